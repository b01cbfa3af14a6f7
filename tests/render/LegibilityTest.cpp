#include <gtest/gtest.h>

#include <QPalette>

#include "render/Legibility.h"

namespace {

// Figures as accessibility checkers publish them for these pairs.
TEST(LegibilityTest, ContrastRatiosAsPublished) {
  const struct {
    QColor ink, ground;
    double ratio;
  } cases[] = {
      {QColor(0, 0, 0), QColor(255, 255, 255), 21},
      {QColor(255, 255, 255), QColor(0, 0, 0), 21},  // either way round
      {QColor(255, 255, 255), QColor(255, 255, 255), 1},
      {QColor(0x77, 0x77, 0x77), QColor(255, 255, 255), 4.48},
      {QColor(0x76, 0x76, 0x76), QColor(255, 255, 255), 4.54},
      {QColor(0, 0, 255), QColor(255, 255, 255), 8.59},
      // Black at alpha 128 shows as #7f7f7f on white.
      {QColor(0, 0, 0, 128), QColor(255, 255, 255), 4.00},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(ContrastRatio(c.ink, c.ground), c.ratio, 0.01) << c.ink.name(QColor::HexArgb).toStdString();
}

// A placeholder that reads is the palette's own; one that does not becomes a
// grey that does, on a light base and a dark one.
TEST(LegibilityTest, PlaceholderReadsOnTheBase) {
  const QColor halfBlack(0, 0, 0, 128), halfWhite(255, 255, 255, 128), darkGrey(85, 85, 85);
  const struct {
    QColor base, text, placeholder;
    bool keepsItsOwn;
  } cases[] = {
      {QColor(255, 255, 255), QColor(0, 0, 0), darkGrey, true},
      {QColor(35, 35, 35), QColor(235, 235, 235), halfWhite, true},
      {QColor(255, 255, 255), QColor(0, 0, 0), halfBlack, false},  // 4.00 to 1
      {QColor(35, 35, 35), QColor(235, 235, 235), halfBlack, false},
      {QColor(35, 35, 35), QColor(235, 235, 235), darkGrey, false},
  };
  for (const auto& c : cases) {
    QPalette palette;
    palette.setColor(QPalette::Base, c.base);
    palette.setColor(QPalette::Text, c.text);
    palette.setColor(QPalette::PlaceholderText, c.placeholder);
    const QColor shown = LegiblePlaceholder(palette, QPalette::Active);
    const std::string name = c.placeholder.name(QColor::HexArgb).toStdString() + " on " + c.base.name().toStdString();
    EXPECT_EQ(shown == c.placeholder, c.keepsItsOwn) << name;
    EXPECT_GE(ContrastRatio(shown, c.base), kTextContrast) << name;
    EXPECT_NE(shown.rgb(), c.text.rgb()) << name;  // still told from text typed in
  }
}

}  // namespace
