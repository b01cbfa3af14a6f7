#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// A picture as a list of simple primitives, in picture units (one unit is one
// pixel of a raster at scale 1, y growing downwards). Every writer and every
// widget draws the same scene, so a picture looks alike on screen and in a file.
namespace picture {

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  std::uint8_t a = 255;  // 255 opaque, 0 invisible

  friend bool operator==(const Color&, const Color&) = default;
};

struct Point {
  double x = 0, y = 0;

  friend bool operator==(const Point&, const Point&) = default;
};

struct FilledRect {
  double x = 0, y = 0, width = 0, height = 0;
  Color fill;
};

// A stroke through its points, with round joins and ends.
struct Polyline {
  std::vector<Point> points;
  Color stroke;
  double width = 1;
};

enum class Anchor { Start, Middle, End };

// One line of text, vertically centred on at.y; anchor places at.x at its
// start, middle or end. Text is plain ASCII.
struct Label {
  Point at;
  std::string text;
  double size = 12;  // height of a capital letter and a line's spacing, roughly
  Color color;
  Anchor anchor = Anchor::Start;
};

using Primitive = std::variant<FilledRect, Polyline, Label>;

// Drawn in order: later primitives cover earlier ones.
struct Scene {
  double width = 0, height = 0;
  Color background{255, 255, 255};
  std::vector<Primitive> primitives;
};

}  // namespace picture
