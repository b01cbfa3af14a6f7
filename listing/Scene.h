#pragma once

#include <string>
#include <variant>
#include <vector>

// A picture as a list of simple shapes, in picture units (one unit is one
// pixel at scale 1, y growing downwards). The painter in render/ draws the same
// scene on the screen and into files. A shape names what its colour means (an
// ink), not the colour itself: the painter takes the colours from the palette
// it paints with, so that one scene reads well in light and in dark schemes.
namespace scene {

enum class Ink {
  Window,  // around the plot
  Base,    // the plot outside the buildable band
  Band,
  BandEdge,
  Grid,
  Frame,
  Text,
  Track,
  ChainLift,
  OutOfRange,
  Station,
  Selection,
};
inline constexpr int kInkCount = int(Ink::Selection) + 1;

struct Point {
  double x = 0, y = 0;

  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  double x = 0, y = 0, width = 0, height = 0;
  Ink fill = Ink::Base;
};

// A stroke through its points, with round joins and ends.
struct Polyline {
  std::vector<Point> points;
  Ink stroke = Ink::Track;
  double width = 1;
};

enum class Anchor { Start, Middle, End };

// One line of text in the Text ink, in UTF-8. Its capital letters and digits
// are centred on at.y; anchor places at.x at the start, middle or end of the text.
struct Label {
  Point at;
  std::string text;
  double size = 12;  // the font's pixel size
  Anchor anchor = Anchor::Start;
};

using Shape = std::variant<Rect, Polyline, Label>;

// Drawn in order on a Window background: later shapes cover earlier ones.
struct Scene {
  std::string title;
  double width = 0, height = 0;
  std::vector<Shape> shapes;
};

// How wide a label's text is, in picture units, in the font it will be
// painted with; a layout asks it to leave room for every label.
class ITextMeasure {
public:
  virtual ~ITextMeasure() = default;
  virtual double Width(const std::string& text, double size) const = 0;
};

}  // namespace scene
