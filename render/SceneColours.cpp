#include "render/SceneColours.h"

#include <QPalette>

namespace {

using scene::Ink;

// The band's green and the track's hues, for a light plot and for a dark one.
const QColor kBandGreen(60, 170, 60);
struct Hue {
  QColor onLight, onDark;
};
const Hue kTrackBlue{{31, 78, 156}, {110, 165, 255}};
const Hue kLiftOrange{{214, 128, 0}, {255, 170, 60}};
const Hue kWarningRed{{214, 32, 32}, {255, 95, 95}};
constexpr int kSelectionAlpha = 64;

// The colour share of the way from one colour to another.
QColor Mix(const QColor& from, const QColor& to, double share) {
  const auto channel = [share](int a, int b) { return int(a + (b - a) * share + 0.5); };
  return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

}  // namespace

SceneColours::SceneColours(QColor window, QColor base, QColor text, QColor mid, QColor highlight) {
  const bool dark = base.lightness() < 128;
  const auto hue = [dark](const Hue& h) { return dark ? h.onDark : h.onLight; };
  highlight.setAlpha(kSelectionAlpha);
  const std::pair<Ink, QColor> colours[] = {
      {Ink::Window, window},
      {Ink::Base, base},
      {Ink::Band, Mix(base, kBandGreen, 0.18)},
      {Ink::BandEdge, Mix(base, kBandGreen, 0.6)},
      {Ink::Grid, Mix(base, text, 0.15)},
      {Ink::Frame, mid},
      {Ink::Text, text},
      {Ink::Track, hue(kTrackBlue)},
      {Ink::ChainLift, hue(kLiftOrange)},
      {Ink::OutOfRange, hue(kWarningRed)},
      {Ink::Station, Mix(text, base, 0.2)},
      {Ink::Selection, highlight},
  };
  for (const auto& [ink, colour] : colours) m_colours[std::size_t(ink)] = colour;
}

SceneColours ColoursOf(const QPalette& palette) {
  return {palette.color(QPalette::Window), palette.color(QPalette::Base), palette.color(QPalette::Text),
          palette.color(QPalette::Mid), palette.color(QPalette::Highlight)};
}

SceneColours PictureColours() {
  return {QColor(255, 255, 255), QColor(242, 242, 242), QColor(51, 51, 51), QColor(150, 150, 150),
          QColor(60, 120, 220)};
}
