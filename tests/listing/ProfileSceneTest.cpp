#include <gtest/gtest.h>

#include <algorithm>

#include "listing/ProfileScene.h"
#include "tests/listing/ListingFixtures.h"

namespace {

template <class Shape>
std::vector<Shape> All(const picture::Scene& scene) {
  std::vector<Shape> shapes;
  for (const picture::Primitive& primitive : scene.primitives)
    if (const Shape* shape = std::get_if<Shape>(&primitive)) shapes.push_back(*shape);
  return shapes;
}

template <class Shape>
std::vector<Shape> Filled(const picture::Scene& scene, picture::Color color) {
  std::vector<Shape> shapes = All<Shape>(scene);
  std::erase_if(shapes, [&](const Shape& shape) { return !(shape.fill == color); });
  return shapes;
}

std::vector<std::string> Texts(const picture::Scene& scene) {
  std::vector<std::string> texts;
  for (const picture::Label& label : All<picture::Label>(scene)) texts.push_back(label.text);
  return texts;
}

bool Has(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

ElevationProfile ExampleProfile(std::int32_t startElevation) {
  CDecoderDoc doc;
  FillDocument(doc, SevenLineExample());
  return MakeElevationProfile(doc, startElevation);
}

TEST(ProfileSceneTest, ShadesTheBandMarksStationsAndHighlightsTheSelectedLine) {
  const ElevationProfile profile = ExampleProfile(1);
  const ProfileLayout layout = LayOutProfile(profile, 700, 220);
  const picture::Scene scene = DrawProfile(profile, 700, 220, 3);  // line 4: segments 5 to 7
  EXPECT_EQ(scene.width, 700);
  EXPECT_EQ(scene.height, 220);

  const std::vector<picture::FilledRect> band = Filled<picture::FilledRect>(scene, ProfilePalette::kBand);
  ASSERT_FALSE(band.empty());  // the plot's band, then the legend's swatch
  EXPECT_DOUBLE_EQ(band[0].y, layout.Y(61));
  EXPECT_DOUBLE_EQ(band[0].y + band[0].height, layout.Y(1));

  const std::vector<picture::FilledRect> selection = Filled<picture::FilledRect>(scene, ProfilePalette::kSelection);
  ASSERT_EQ(selection.size(), 1u);
  EXPECT_DOUBLE_EQ(selection[0].x, layout.X(4));
  EXPECT_DOUBLE_EQ(selection[0].x + selection[0].width, layout.X(7));

  // The stations at both ends, then the legend's swatch.
  const std::vector<picture::FilledRect> stations = Filled<picture::FilledRect>(scene, ProfilePalette::kStation);
  ASSERT_EQ(stations.size(), 3u);
  EXPECT_DOUBLE_EQ(stations[0].x, layout.X(0));
  EXPECT_DOUBLE_EQ(stations[0].x + stations[0].width, layout.X(3));
  EXPECT_DOUBLE_EQ(stations[1].x, layout.X(9));
  EXPECT_GT(stations[1].y, layout.Y(5));

  const std::vector<std::string> texts = Texts(scene);
  for (const char* text : {"1", "61", "10", "segment", "buildable 1-61", "chain lift", "out of range", "station"})
    EXPECT_TRUE(Has(texts, text)) << text;
  EXPECT_EQ(DrawProfile(profile, 700, 220).primitives.size(), scene.primitives.size() - 1);
}

struct Stroke {
  picture::Color colour;
  double width;
  friend bool operator==(const Stroke&, const Stroke&) = default;
};

TEST(ProfileSceneTest, TrackColoursFollowChainLiftAndRange) {
  const Stroke plain{ProfilePalette::kTrack, 2}, chainLift{ProfilePalette::kChainLift, 4.5};
  const Stroke tooHigh{ProfilePalette::kOutOfRange, 2}, chainLiftTooHigh{ProfilePalette::kOutOfRange, 4.5};
  struct Case {
    std::int32_t start;
    std::vector<Stroke> strokes;
  };
  const Case cases[] = {
      {1, {plain, chainLift, plain}},
      {58, {plain, chainLift, chainLiftTooHigh, tooHigh}},  // the climb from 59 to 62 and all after it are too high
  };
  for (const Case& c : cases) {
    const ElevationProfile profile = ExampleProfile(c.start);
    const ProfileLayout layout = LayOutProfile(profile, 700, 220);
    std::vector<Stroke> strokes;
    for (const picture::Polyline& line : All<picture::Polyline>(DrawProfile(profile, 700, 220)))
      if (line.width > 1 && line.points.front().y >= layout.top) strokes.push_back({line.stroke, line.width});
    EXPECT_EQ(strokes, c.strokes) << c.start;
  }
}

TEST(ProfileSceneTest, AnEmptyProfileSaysSo) {
  const picture::Scene scene = DrawProfile(ElevationProfile{}, 500, 160);
  EXPECT_TRUE(Has(Texts(scene), "no segments"));
  EXPECT_TRUE(Has(Texts(scene), "61"));
}

}  // namespace
