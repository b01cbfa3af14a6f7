#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "listing/ProfileScene.h"
#include "tests/listing/ListingFixtures.h"
#include "tests/listing/ProfileFixtures.h"

namespace {

using scene::Ink;

std::vector<scene::Rect> Filled(const scene::Scene& scene, Ink ink) {
  std::vector<scene::Rect> rects = All<scene::Rect>(scene);
  std::erase_if(rects, [ink](const scene::Rect& rect) { return rect.fill != ink; });
  return rects;
}

const scene::Label* FindLabel(const scene::Scene& scene, const std::string& text) {
  for (const scene::Shape& shape : scene.shapes)
    if (const auto* label = std::get_if<scene::Label>(&shape); label && label->text == text) return label;
  return nullptr;
}

ElevationProfile ExampleProfile(std::int32_t startElevation) {
  CDecoderDoc doc;
  FillDocument(doc, SevenLineExample());
  return MakeElevationProfile(doc, startElevation);
}

scene::Scene Draw(const ElevationProfile& profile, double width, double height,
                  std::optional<int> selectedLine = std::nullopt) {
  return DrawProfile(profile, LayOutProfile(ExtentOf(profile), width, height, MonospacedText()), MonospacedText(),
                     selectedLine);
}

TEST(ProfileSceneTest, ShadesTheBandMarksStationsAndHighlightsTheSelectedLine) {
  const ElevationProfile profile = ExampleProfile(1);
  const ProfileLayout layout = LayOutProfile(ExtentOf(profile), 700, 220, MonospacedText());
  const scene::Scene scene = Draw(profile, 700, 220, 3);  // line 4: segments 5 to 7
  EXPECT_EQ(scene.width, 700);
  EXPECT_EQ(scene.height, 220);

  const std::vector<scene::Rect> band = Filled(scene, Ink::Band);
  ASSERT_FALSE(band.empty());  // the plot's band, then the legend's swatch
  EXPECT_DOUBLE_EQ(band[0].y, layout.Y(61));
  EXPECT_DOUBLE_EQ(band[0].y + band[0].height, layout.Y(1));
  // The legend's swatch is edged all round as the plot's band is, so that it shows off the plot.
  ASSERT_EQ(band.size(), 2u);
  const scene::Rect& swatch = band[1];
  const std::vector<scene::Point> corners = {{swatch.x, swatch.y},
                                             {swatch.x + swatch.width, swatch.y},
                                             {swatch.x + swatch.width, swatch.y + swatch.height},
                                             {swatch.x, swatch.y + swatch.height},
                                             {swatch.x, swatch.y}};
  const std::vector<scene::Polyline> lines = All<scene::Polyline>(scene);
  EXPECT_TRUE(std::ranges::any_of(
      lines, [&](const scene::Polyline& line) { return line.stroke == Ink::BandEdge && line.points == corners; }));

  const std::vector<scene::Rect> selection = Filled(scene, Ink::Selection);
  ASSERT_EQ(selection.size(), 1u);
  EXPECT_DOUBLE_EQ(selection[0].x, layout.X(4));
  EXPECT_DOUBLE_EQ(selection[0].x + selection[0].width, layout.X(7));

  // The stations at both ends, then the legend's swatch.
  const std::vector<scene::Rect> stations = Filled(scene, Ink::Station);
  ASSERT_EQ(stations.size(), 3u);
  EXPECT_DOUBLE_EQ(stations[0].x, layout.X(0));
  EXPECT_DOUBLE_EQ(stations[0].x + stations[0].width, layout.X(3));
  EXPECT_DOUBLE_EQ(stations[1].x, layout.X(9));
  EXPECT_GT(stations[1].y, layout.Y(5));

  for (const char* text : {"buildable 1-61", "chain lift", "out of range", "station", "segment"})
    EXPECT_NE(FindLabel(scene, text), nullptr) << text;
  EXPECT_EQ(Draw(profile, 700, 220).shapes.size(), scene.shapes.size() - 1);
}

// Every mark of the layout is drawn where the layout puts it: elevation lines
// across the plot with their labels right-aligned before it, segment numbers
// centred under their segments with a tick above each.
TEST(ProfileSceneTest, DrawsTheAxesOfTheLayout) {
  const ElevationProfile profile = ExampleProfile(58);  // up to 62
  const ProfileLayout layout = LayOutProfile(ExtentOf(profile), 700, 220, MonospacedText());
  const scene::Scene scene = Draw(profile, 700, 220);
  const std::vector<scene::Polyline> lines = All<scene::Polyline>(scene);
  for (const ElevationMark& mark : layout.elevationMarks) {
    const double y = layout.Y(mark.elevation);
    const Ink ink = mark.bandEdge ? Ink::BandEdge : Ink::Grid;
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const scene::Polyline& line) {
      return line.stroke == ink &&
             line.points == std::vector<scene::Point>{{layout.left, y}, {layout.left + layout.width, y}};
    })) << mark.elevation;
    const scene::Label* label = FindLabel(scene, std::to_string(mark.elevation));
    ASSERT_EQ(label != nullptr, mark.labelY.has_value()) << mark.elevation;
    if (!label) continue;
    EXPECT_EQ(label->anchor, scene::Anchor::End);
    EXPECT_EQ(label->at, (scene::Point{layout.left - 5, *mark.labelY}));
  }
  ASSERT_EQ(layout.segmentNumbers, (std::vector<long long>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  const double bottom = layout.top + layout.height;
  for (const long long number : layout.segmentNumbers) {
    const double x = layout.X(double(number) - 0.5);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const scene::Polyline& line) {
      return line.stroke == Ink::Frame && line.points == std::vector<scene::Point>{{x, bottom}, {x, bottom + 3}};
    })) << number;
  }
  // "1" and "10" name both an elevation and a segment: look at a segment alone.
  const scene::Label* seven = FindLabel(scene, "7");
  ASSERT_NE(seven, nullptr);
  EXPECT_EQ(seven->anchor, scene::Anchor::Middle);
  EXPECT_EQ(seven->at, (scene::Point{layout.X(6.5), bottom + 10}));
}

// 30 000 segments, every third one a station: stations a fraction of a unit
// apart share a bar, those at another elevation get their own. Each bar
// reaches 1.5 units beyond the middles of its first and last station.
TEST(ProfileSceneTest, StationsThatTouchShareABar) {
  ElevationProfile profile;
  for (int i = 0; i < 30'000; ++i) {
    const std::int32_t elevation = i < 20'000 ? 10 : 30;
    profile.segments.push_back({elevation, elevation, 0, i % 3 == 0, false, false});
  }
  profile.lowest = 10;
  profile.highest = 30;
  const ProfileLayout layout = LayOutProfile(ExtentOf(profile), 700, 200, MonospacedText());
  const std::vector<scene::Rect> bars = Filled(Draw(profile, 700, 200), Ink::Station);
  ASSERT_EQ(bars.size(), 3u);  // two in the plot, and the legend's swatch
  const auto middle = [&layout](int segment) { return layout.X(segment + 0.5); };
  EXPECT_NEAR(bars[0].x, middle(0) - 1.5, 1e-9);
  EXPECT_NEAR(bars[0].x + bars[0].width, middle(19'998) + 1.5, 1e-9);
  EXPECT_NEAR(bars[1].x, middle(20'001) - 1.5, 1e-9);
  EXPECT_NEAR(bars[1].x + bars[1].width, middle(29'997) + 1.5, 1e-9);
  EXPECT_GT(bars[0].y, bars[1].y);
}

struct Stroke {
  Ink ink;
  double width;
  friend bool operator==(const Stroke&, const Stroke&) = default;
};

TEST(ProfileSceneTest, TrackColoursFollowChainLiftAndRange) {
  const Stroke plain{Ink::Track, 2}, chainLift{Ink::ChainLift, 4.5};
  const Stroke tooHigh{Ink::OutOfRange, 2}, chainLiftTooHigh{Ink::OutOfRange, 4.5};
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
    const ProfileLayout layout = LayOutProfile(ExtentOf(profile), 700, 220, MonospacedText());
    std::vector<Stroke> strokes;
    for (const scene::Polyline& line : All<scene::Polyline>(Draw(profile, 700, 220)))
      if (line.width > 1 && line.points.front().y >= layout.top) strokes.push_back({line.stroke, line.width});
    EXPECT_EQ(strokes, c.strokes) << c.start;
  }
}

// Legend entries come in order while they fit between the plot's left edge
// and the picture's right edge, less 5 units: at 7.2 units a character the
// fourth ends at 459.4 and the fifth at 549.8.
TEST(ProfileSceneTest, TheLegendKeepsTheEntriesThatFit) {
  const std::vector<std::string> entries = {"buildable 1-61", "track", "chain lift", "out of range", "station"};
  for (const double width : {400.0, 470.0, 700.0}) {
    const scene::Scene scene = Draw(ExampleProfile(1), width, 220);
    std::size_t shown = 0;
    for (const std::string& text : entries) {
      const scene::Label* label = FindLabel(scene, text);
      if (!label) break;
      ++shown;
      EXPECT_LE(label->at.x + MonospacedText().Width(text, label->size), width - 5) << text;
    }
    for (std::size_t i = shown; i < entries.size(); ++i) EXPECT_EQ(FindLabel(scene, entries[i]), nullptr) << width;
    EXPECT_EQ(shown, width < 470 ? 3u : width < 700 ? 4u : 5u) << width;
  }
}

// The thumbnail is the plot alone: no label, no tick, no legend; the band and
// its edges, the track in its colours and the stations, all inside the picture
// (a station's bar under the lowest track too), the plot spanning it whole.
TEST(ProfileSceneTest, AThumbnailIsThePlotAloneFillingThePicture) {
  for (const std::int32_t start : {1, 58}) {
    const ElevationProfile profile = ExampleProfile(start);
    const ProfileLayout layout = LayOutThumbnail(ExtentOf(profile), 128, 96);
    const scene::Scene scene = DrawProfileThumbnail(TraceTrack(profile, layout), layout);
    EXPECT_EQ(scene.width, 128);
    EXPECT_EQ(scene.height, 96);
    EXPECT_TRUE(All<scene::Label>(scene).empty()) << start;
    EXPECT_DOUBLE_EQ(layout.X(0), 0.5);
    EXPECT_DOUBLE_EQ(layout.X(layout.segmentCount), 127.5);

    const std::vector<scene::Rect> band = Filled(scene, Ink::Band);
    ASSERT_EQ(band.size(), 1u);
    EXPECT_DOUBLE_EQ(band[0].y, layout.Y(61));
    EXPECT_DOUBLE_EQ(band[0].y + band[0].height, layout.Y(1));
    EXPECT_EQ(Filled(scene, Ink::Station).size(), 2u);

    std::set<Ink> inks;
    for (const scene::Polyline& line : All<scene::Polyline>(scene)) {
      inks.insert(line.stroke);
      for (const scene::Point& point : line.points) {
        EXPECT_GE(point.x - line.width / 2, -0.5) << start;
        EXPECT_LE(point.x + line.width / 2, 128.5) << start;
        EXPECT_GE(point.y, 0) << start;
        EXPECT_LE(point.y, 96) << start;
      }
    }
    EXPECT_EQ(inks, (std::set<Ink>{Ink::BandEdge, Ink::Track, Ink::ChainLift, Ink::Frame,
                                   start == 1 ? Ink::Track : Ink::OutOfRange}))
        << start;
    for (const scene::Rect& rect : All<scene::Rect>(scene)) {
      EXPECT_GE(rect.y, 0) << start;
      EXPECT_LE(rect.y + rect.height, 96) << start;
    }
  }
}

TEST(ProfileSceneTest, AnEmptyProfileSaysSo) {
  const scene::Scene scene = Draw(ElevationProfile{}, 500, 160);
  EXPECT_NE(FindLabel(scene, "no segments"), nullptr);
  EXPECT_NE(FindLabel(scene, "61"), nullptr);
  EXPECT_EQ(FindLabel(scene, "segment"), nullptr);
}

}  // namespace
