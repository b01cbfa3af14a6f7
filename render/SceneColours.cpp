#include "render/SceneColours.h"

#include <QPalette>

#include "render/Legibility.h"

namespace {

using scene::Ink;

// The band's green and the track's hues, for a light plot and for a dark one.
const QColor kBandGreen(60, 170, 60);
struct Hue {
  QColor onLight, onDark;
};
// The band's edges, dark or light enough to outline it on the plot and around it.
const Hue kBandEdgeGreen{{40, 130, 40}, {100, 200, 100}};
const Hue kTrackBlue{{31, 78, 156}, {110, 165, 255}};
const Hue kLiftOrange{{214, 128, 0}, {255, 170, 60}};
const Hue kWarningRed{{214, 32, 32}, {255, 95, 95}};
constexpr int kSelectionAlpha = 64;

}  // namespace

SceneColours::SceneColours(QColor window, QColor base, QColor text, QColor mid, QColor highlight) {
  const bool dark = base.lightness() < 128;
  const auto hue = [dark](const Hue& h) { return dark ? h.onDark : h.onLight; };
  highlight.setAlpha(kSelectionAlpha);
  const std::pair<Ink, QColor> colours[] = {
      {Ink::Window, window},
      {Ink::Base, base},
      {Ink::Band, Mix(base, kBandGreen, 0.18)},
      {Ink::BandEdge, hue(kBandEdgeGreen)},
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
