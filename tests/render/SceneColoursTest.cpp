#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>
#include <cmath>

#include "render/SceneColours.h"

namespace {

using scene::Ink;

// Contrast ratio of two colours as web accessibility rules define it, 1 to 21.
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette DarkPalette() {
  QPalette dark;
  const std::pair<QPalette::ColorRole, QColor> colours[] = {{QPalette::Window, QColor(53, 53, 53)},
                                                            {QPalette::Base, QColor(42, 42, 42)},
                                                            {QPalette::Text, QColor(220, 220, 220)},
                                                            {QPalette::Mid, QColor(80, 80, 80)},
                                                            {QPalette::Highlight, QColor(42, 130, 218)}};
  for (const auto& [role, colour] : colours) dark.setColor(role, colour);
  return dark;
}

// In the picture files' colours, the desktop's light palette and a dark one,
// text reads on the plot and around it, every mark on the track stands out on
// the band and above it, and the band shows on the plot, its edges, which
// also outline its swatch in the legend, as marks must (3 to 1).
TEST(SceneColoursTest, EveryMeaningReadsInLightAndDarkSchemes) {
  const struct {
    const char* name;
    SceneColours colours;
  } schemes[] = {
      {"pictures", PictureColours()},
      {"light", ColoursOf(QGuiApplication::palette())},
      {"dark", ColoursOf(DarkPalette())},
  };
  for (const auto& [name, colours] : schemes) {
    for (const Ink ground : {Ink::Base, Ink::Window})
      EXPECT_GE(Contrast(colours[Ink::Text], colours[ground]), 4.5) << name;
    for (const Ink mark : {Ink::Track, Ink::ChainLift, Ink::OutOfRange, Ink::Station})
      for (const Ink ground : {Ink::Band, Ink::Base})
        EXPECT_GE(Contrast(colours[mark], colours[ground]), 2.0) << name << " " << int(mark) << " on " << int(ground);
    EXPECT_GE(Contrast(colours[Ink::Band], colours[Ink::Base]), 1.1) << name;
    for (const Ink ground : {Ink::Base, Ink::Window, Ink::Band})
      EXPECT_GE(Contrast(colours[Ink::BandEdge], colours[ground]), 3.0) << name << " on " << int(ground);
    EXPECT_LT(colours[Ink::Selection].alpha(), 255) << name;  // the track shows through
  }
}

}  // namespace
