#include <gtest/gtest.h>

#include <string>

#include "picture/Raster.h"

namespace {

using picture::Color;

constexpr Color kWhite{255, 255, 255};
constexpr Color kBlack{0, 0, 0};
constexpr Color kRed{255, 0, 0};

Color At(const picture::RgbImage& image, int x, int y) {
  const std::uint8_t* p = image.Pixel(x, y);
  return {p[0], p[1], p[2]};
}

std::string Describe(const Color& c) {
  return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

picture::Scene SceneOf(picture::Primitive primitive) {
  picture::Scene scene;
  scene.width = 20;
  scene.height = 10.5;  // rounds up to 11 rows
  scene.primitives = {std::move(primitive)};
  return scene;
}

TEST(RasterTest, DrawsEachPrimitiveWhereItLies) {
  struct Probe {
    int x, y;
    Color expected;
  };
  struct Case {
    const char* what;
    picture::Primitive primitive;
    std::vector<Probe> probes;
  };
  const Case cases[] = {
      {"a rect on whole pixels fills exactly them",
       picture::FilledRect{2, 3, 4, 2, kRed},
       {{2, 3, kRed}, {5, 4, kRed}, {1, 3, kWhite}, {6, 3, kWhite}, {2, 2, kWhite}, {2, 5, kWhite}}},
      {"a rect edge halfway across a pixel covers it half",
       picture::FilledRect{2.5, 0, 2, 1, kBlack},
       {{2, 0, {128, 128, 128}}, {3, 0, kBlack}, {4, 0, {128, 128, 128}}}},
      {"a translucent rect blends over the background",
       picture::FilledRect{0, 0, 20, 11, {0, 0, 0, 51}},
       {{0, 0, {204, 204, 204}}, {19, 10, {204, 204, 204}}}},
      {"a thick line covers its path, and no more",
       picture::Polyline{{{2, 5.5}, {17, 5.5}}, kBlack, 3},
       {{2, 5, kBlack},
        {10, 4, kBlack},
        {10, 6, kBlack},
        {16, 5, kBlack},
        {10, 2, kWhite},
        {10, 8, kWhite},
        {19, 5, kWhite}}},
      {"a translucent stroke does not darken where its pieces meet",
       picture::Polyline{{{2, 5.5}, {10, 5.5}, {17, 5.5}}, {0, 0, 0, 128}, 3},
       {{6, 5, {127, 127, 127}}, {10, 5, {127, 127, 127}}}},
      {"a label draws its glyphs from the anchor, centred on y",
       picture::Label{{3, 5}, "1", 10, kBlack, picture::Anchor::Start},
       {{5, 2, kBlack}, {5, 8, kBlack}, {4, 3, kBlack}, {3, 5, kWhite}, {5, 1, kWhite}, {5, 9, kWhite}}},
      {"an end-anchored label ends at the anchor",
       picture::Label{{10, 5}, "-", 10, kBlack, picture::Anchor::End},
       {{5, 5, kBlack}, {9, 5, kBlack}, {10, 5, kWhite}, {4, 5, kWhite}}},
  };
  for (const Case& c : cases) {
    const picture::RgbImage image = picture::Rasterize(SceneOf(c.primitive));
    ASSERT_EQ(image.width, 20);
    ASSERT_EQ(image.height, 11);
    for (const Probe& probe : c.probes)
      EXPECT_EQ(Describe(At(image, probe.x, probe.y)), Describe(probe.expected))
          << c.what << " at " << probe.x << "," << probe.y;
  }
}

TEST(RasterTest, ShapesPartlyOutsideAreClipped) {
  picture::Scene scene = SceneOf(picture::FilledRect{-5, -5, 10, 10, kRed});
  scene.primitives.push_back(picture::Polyline{{{-30, 25}, {50, -15}}, kBlack, 4});
  scene.primitives.push_back(picture::Label{{-8, 20}, "0123456789", 30, kBlack, picture::Anchor::Start});
  const picture::RgbImage image = picture::Rasterize(scene);
  EXPECT_EQ(Describe(At(image, 0, 0)), Describe(kRed));
  EXPECT_EQ(Describe(At(image, 10, 5)), Describe(kBlack));
}

}  // namespace
