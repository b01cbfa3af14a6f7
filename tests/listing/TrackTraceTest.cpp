#include <gtest/gtest.h>

#include <algorithm>

#include "listing/TrackTrace.h"
#include "tests/listing/ListingFixtures.h"

namespace {

// A profile through the given elevations at the segment boundaries.
ElevationProfile Through(const std::vector<std::int32_t>& boundaries) {
  ElevationProfile profile;
  for (std::size_t i = 0; i + 1 < boundaries.size(); ++i)
    profile.segments.push_back({boundaries[i], boundaries[i + 1], int(i), false, false, false});
  profile.lowest = *std::min_element(boundaries.begin(), boundaries.end());
  profile.highest = *std::max_element(boundaries.begin(), boundaries.end());
  return profile;
}

// A plot of the given width for the profile.
ProfileLayout PlotOf(const ElevationProfile& profile, double width) {
  return {.left = 40,
          .top = 20,
          .width = width,
          .height = 160,
          .lowElevation = std::min(profile.lowest, kLowestBuildableElevation),
          .highElevation = std::max(profile.highest, kHighestBuildableElevation),
          .padding = 12,
          .segmentCount = int(profile.segments.size()),
          .elevationMarks = {},
          .segmentNumbers = {}};
}

std::size_t PointCount(const std::vector<TrackStroke>& strokes) {
  std::size_t count = 0;
  for (const TrackStroke& stroke : strokes) count += stroke.points.size();
  return count;
}

TEST(TrackTraceTest, AShortTrackHasAPointAtEveryBoundaryAndAStrokePerStyle) {
  ElevationProfile profile = Through({1, 1, 2, 3, 4, 4, 3});
  profile.segments[2].chainLift = profile.segments[3].chainLift = true;
  profile.segments[5].outOfRange = true;
  const ProfileLayout layout = PlotOf(profile, 340);
  const std::vector<TrackStroke> strokes = TraceTrack(profile, layout).strokes;
  const std::vector<TrackStyle> styles = {{}, {.chainLift = true}, {}, {.outOfRange = true}};
  const std::vector<std::vector<int>> boundaries = {{0, 1, 2}, {2, 3, 4}, {4, 5}, {5, 6}};
  const std::int32_t elevations[] = {1, 1, 2, 3, 4, 4, 3};
  ASSERT_EQ(strokes.size(), styles.size());
  for (std::size_t s = 0; s < strokes.size(); ++s) {
    EXPECT_EQ(strokes[s].style, styles[s]) << s;
    ASSERT_EQ(strokes[s].points.size(), boundaries[s].size()) << s;
    for (std::size_t p = 0; p < boundaries[s].size(); ++p) {
      const int boundary = boundaries[s][p];
      EXPECT_EQ(strokes[s].points[p], (scene::Point{layout.X(boundary), layout.Y(elevations[boundary])}));
    }
  }
}

// 100 000 segments on a 500-unit plot: a saw tooth with a few spikes and one
// out-of-range segment. Every column must keep its lowest and highest point,
// and the whole trace must stay a few points per column.
TEST(TrackTraceTest, ALongTrackKeepsEveryColumnsEnvelopeInAFewPointsPerColumn) {
  std::vector<std::int32_t> boundaries;
  for (int i = 0; i <= 100'000; ++i) boundaries.push_back(10 + i % 7);
  boundaries[31'337] = 90;
  boundaries[31'338] = -20;
  boundaries[77'000] = 55;
  ElevationProfile profile = Through(boundaries);
  profile.segments[50'000].outOfRange = true;
  const ProfileLayout layout = PlotOf(profile, 500);
  const std::vector<TrackStroke> strokes = TraceTrack(profile, layout).strokes;
  EXPECT_LE(PointCount(strokes), 4 * 500 + strokes.size());
  ASSERT_EQ(strokes.size(), 3u);
  EXPECT_TRUE(strokes[1].style.outOfRange);
  EXPECT_EQ(strokes[1].points.front().x, layout.X(50'000));

  for (int column = 0; column < 500; ++column) {
    const std::size_t first = std::size_t(column) * 100'000 / 500;
    const std::size_t end = std::size_t(column + 1) * 100'000 / 500;
    const auto [low, high] =
        std::minmax_element(boundaries.begin() + std::ptrdiff_t(first), boundaries.begin() + std::ptrdiff_t(end) + 1);
    double top = 1e9, bottom = -1e9;
    for (const TrackStroke& stroke : strokes)
      for (const scene::Point& point : stroke.points)
        if (point.x >= layout.X(double(first)) && point.x <= layout.X(double(end))) {
          top = std::min(top, point.y);
          bottom = std::max(bottom, point.y);
        }
    EXPECT_EQ(top, layout.Y(*high)) << column;
    EXPECT_EQ(bottom, layout.Y(*low)) << column;
  }
}

TEST(TrackTraceTest, StrokesJoinWithoutGaps) {
  std::vector<std::int32_t> boundaries;
  for (int i = 0; i <= 5000; ++i) boundaries.push_back(i % 100 < 50 ? i % 100 : 100 - i % 100);
  ElevationProfile profile = Through(boundaries);
  for (std::size_t i = 0; i < profile.segments.size(); i += 3) profile.segments[i].chainLift = true;
  for (std::size_t i = 0; i < profile.segments.size(); i += 700) profile.segments[i].outOfRange = true;
  for (const double width : {300.0, 8000.0}) {
    const ProfileLayout layout = PlotOf(profile, width);
    const std::vector<TrackStroke> strokes = TraceTrack(profile, layout).strokes;
    ASSERT_FALSE(strokes.empty());
    EXPECT_EQ(strokes.front().points.front(), (scene::Point{layout.X(0), layout.Y(boundaries.front())}));
    EXPECT_EQ(strokes.back().points.back(), (scene::Point{layout.X(5000), layout.Y(boundaries.back())}));
    for (std::size_t s = 1; s < strokes.size(); ++s) {
      EXPECT_EQ(strokes[s].points.front(), strokes[s - 1].points.back()) << width << " stroke " << s;
      EXPECT_NE(strokes[s].style, strokes[s - 1].style);
    }
  }
}

// Traced from the document as it is listed, keeping nothing per segment: a
// Begin station at 1, two Up with chain lift to 3, Level, an End station.
TEST(TrackTraceTest, ADesignIsTracedAsItIsListed) {
  DesignDescription design;
  design.segments = {{2, 0x08}, {4, 0x80}, {4, 0x80}, {0}, {1, 0x08}};
  CDecoderDoc doc;
  FillDocument(doc, design);
  const ProfileExtent extent = MeasureProfile(doc, 1);
  EXPECT_EQ(extent.segmentCount, 5);
  EXPECT_EQ(extent.lowest, 1);
  EXPECT_EQ(extent.highest, 3);
  const ProfileLayout layout = {.left = 40,
                                .top = 20,
                                .width = 500,
                                .height = 160,
                                .padding = 12,
                                .segmentCount = 5,
                                .elevationMarks = {},
                                .segmentNumbers = {}};

  const TracedTrack track = TraceDesign(doc, 1, layout);

  const auto at = [&](int boundary, std::int32_t elevation) { return scene::Point{layout.X(boundary), layout.Y(elevation)}; };
  ASSERT_EQ(track.strokes.size(), 3u);
  EXPECT_EQ(track.strokes[0].style, TrackStyle{});
  EXPECT_EQ(track.strokes[0].points, (std::vector<scene::Point>{at(0, 1), at(1, 1)}));
  EXPECT_EQ(track.strokes[1].style, TrackStyle{.chainLift = true});
  EXPECT_EQ(track.strokes[1].points, (std::vector<scene::Point>{at(1, 1), at(2, 2), at(3, 3)}));
  EXPECT_EQ(track.strokes[2].style, TrackStyle{});
  EXPECT_EQ(track.strokes[2].points, (std::vector<scene::Point>{at(3, 3), at(4, 3), at(5, 3)}));
  ASSERT_EQ(track.stations.size(), 2u);  // 3 below the track, 5 thick
  EXPECT_DOUBLE_EQ(track.stations[0].x, layout.X(0));
  EXPECT_DOUBLE_EQ(track.stations[0].width, layout.X(1) - layout.X(0));
  EXPECT_DOUBLE_EQ(track.stations[0].y, layout.Y(1) + 3);
  EXPECT_DOUBLE_EQ(track.stations[1].x, layout.X(4));
  EXPECT_DOUBLE_EQ(track.stations[1].y, layout.Y(3) + 3);
  EXPECT_DOUBLE_EQ(track.stations[1].height, 5);
}

TEST(TrackTraceTest, NoSegmentsNoStrokes) {
  const ElevationProfile profile;
  EXPECT_TRUE(TraceTrack(profile, PlotOf(profile, 340)).strokes.empty());
}

}  // namespace
