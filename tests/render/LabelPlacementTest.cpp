#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QRectF>
#include <algorithm>
#include <utility>

#include "listing/ProfileScene.h"
#include "render/PictureFile.h"
#include "render/SceneFont.h"
#include "tests/render/SvgText.h"

namespace {

// The box a painted text takes, from the start of its baseline.
QRectF Box(const SvgContent::Text& text, const SceneFont& font) {
  const QFontMetricsF metrics(font.AtSize(text.pixelSize));
  return {text.x, text.y - metrics.ascent(), metrics.horizontalAdvance(text.text),
          metrics.ascent() + metrics.descent()};
}

std::string Describe(const SvgContent::Text& text) {
  return text.text.toStdString() + " at " + std::to_string(text.x) + "," + std::to_string(text.y);
}

// Every picture from 400 units wide and 150 high (300 with labels twice their
// size in files, as a window with a large font draws them), for tracks of up to
// ten million segments that stay in the band or leave it above, below or both:
// the labels the SVG paints, measured in the picture font, all lie inside the
// picture and none touches another; the first and last segment numbers show,
// and so do the track's lowest and highest elevations outside 1..61. The axes
// depend on the layout alone, so a profile without segments drawn in the
// layout of a long track shows them without holding millions of segments.
TEST(LabelPlacementTest, NoLabelIsCutOffOrTouchesAnother) {
  const SceneFont font = PictureFont();
  const ElevationProfile noSegments;
  const ProfileExtent extents[] = {{0, 1, 61}, {0, -26, 61}, {0, 20, 83}, {0, -2'000'000, 4'000'001}};
  const int counts[] = {1, 2, 9, 16, 99, 12'003, 200'003, 999'999, 9'999'999, 10'000'000};
  for (const double width : {400, 401, 517, 640, 1000, 2011, 8000})
    for (const auto& [height, textScale] : {std::pair{150.0, 1.0}, {300.0, 1.0}, {300.0, 2.0}, {600.0, 2.0}})
      for (const int count : counts)
        for (ProfileExtent extent : extents) {
          extent.segmentCount = count;
          const ProfileLayout layout = LayOutProfile(extent, width, height, font, textScale);
          const SvgContent svg = ReadSvg(QByteArray::fromStdString([&] {
            const std::vector<std::uint8_t> bytes =
                EncodePicture(DrawProfile(noSegments, layout, font), PictureFormat::Svg, font);
            return std::string(bytes.begin(), bytes.end());
          }()));
          const std::string picture = std::to_string(int(width)) + "x" + std::to_string(int(height)) + " labels " +
                                      std::to_string(textScale) + "x, " +
                                      std::to_string(count) + " segments from " + std::to_string(extent.lowest) +
                                      " to " + std::to_string(extent.highest);
          ASSERT_EQ(svg.error, "") << picture;
          const QRectF inside(0, 0, width, height);
          std::vector<QString> texts;
          for (std::size_t i = 0; i < svg.texts.size(); ++i) {
            const QRectF box = Box(svg.texts[i], font);
            texts.push_back(svg.texts[i].text);
            EXPECT_TRUE(inside.contains(box.adjusted(0.01, 0.01, -0.01, -0.01)))
                << picture << ": " << Describe(svg.texts[i]);
            for (std::size_t j = 0; j < i; ++j)
              EXPECT_FALSE(box.adjusted(0.01, 0.01, -0.01, -0.01).intersects(Box(svg.texts[j], font)))
                  << picture << ": " << Describe(svg.texts[i]) << " and " << Describe(svg.texts[j]);
          }
          std::vector<long long> shown = {1, count};
          if (extent.lowest < 1) shown.push_back(extent.lowest);
          if (extent.highest > 61) shown.push_back(extent.highest);
          for (const long long number : shown)
            EXPECT_NE(std::find(texts.begin(), texts.end(), QString::number(number)), texts.end())
                << picture << ": " << number;
        }
}

}  // namespace
