#include <gtest/gtest.h>

#include <map>

#include "listing/ProfileLayout.h"
#include "tests/listing/ProfileFixtures.h"

namespace {

// The labelled elevations and the middles of their labels.
std::map<std::int32_t, double> Labels(const ProfileLayout& layout) {
  std::map<std::int32_t, double> labels;
  for (const ElevationMark& mark : layout.elevationMarks)
    if (mark.labelY) labels[mark.elevation] = *mark.labelY;
  return labels;
}

TEST(ProfileLayoutTest, LayoutShowsTheBandAndTheWholeTrack) {
  struct Case {
    std::int32_t lowest, highest;
    std::int32_t low, high;
  };
  const Case cases[] = {
      {5, 20, 1, 61},      // inside the band: the band
      {-30, 20, -30, 61},  // below it
      {5, 200, 1, 200},    // above it
  };
  for (const Case& c : cases) {
    const ProfileLayout layout = LayOutProfile({40, c.lowest, c.highest}, 800, 200, MonospacedText());
    EXPECT_EQ(layout.lowElevation, c.low);
    EXPECT_EQ(layout.highElevation, c.high);
    // Inside the plot, with room to spare at both edges.
    EXPECT_DOUBLE_EQ(layout.Y(c.high), layout.top + layout.padding);
    EXPECT_DOUBLE_EQ(layout.Y(c.low), layout.top + layout.height - layout.padding);
    EXPECT_GE(layout.padding, 10);
    EXPECT_DOUBLE_EQ(layout.ElevationAt(layout.Y(c.low + 7)), c.low + 7);
    EXPECT_LT(layout.left + layout.width, 800);
    EXPECT_LT(layout.top + layout.height, 200);
  }
}

TEST(ProfileLayoutTest, SegmentAtFindsTheSegmentDrawnThere) {
  for (const int count : {7, 100'000}) {
    const ProfileLayout layout = LayOutProfile({count, 1, 61}, 640, 160, MonospacedText());
    for (const int i : {0, count / 2, count - 1}) {
      const double middle = (layout.X(double(i)) + layout.X(double(i + 1))) / 2;
      EXPECT_EQ(layout.SegmentAt(middle), i) << count;
    }
    EXPECT_EQ(layout.SegmentAt(layout.left - 1), -1);
    EXPECT_EQ(layout.SegmentAt(layout.left + layout.width), -1);
  }
  const ProfileLayout empty = LayOutProfile({0, 1, 61}, 640, 160, MonospacedText());
  EXPECT_EQ(empty.SegmentAt(empty.left + 10), -1);
}

// Monospaced text is 6.6 units a character at the axis labels' size. With
// elevation labels of two characters the plot starts at 4 + 13.2 + 5 = 22.2 and
// ends 4 units and half the last number's width short of the picture's edge
// (at least 9 units). A number needs its neighbour's middle at least 20 units
// plus half the width of both away.
TEST(ProfileLayoutTest, SegmentNumbersTakeTheSmallestRoundStepThatKeepsThemApart) {
  struct Case {
    int count;
    double width;
    std::vector<long long> numbers;
  };
  const Case cases[] = {
      {1, 400, {1}},
      {2, 400, {1, 2}},
      // 60.45 units a segment: every number fits.
      {16, 1000, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
      // 22.95 units a segment: 2 would touch 1, so the step is 5; 15 would touch 16.
      {16, 400, {1, 5, 10, 15 + 1}},
      // 3.639 units a segment: 10 steps make 36.39 units, short of the 36.5 that 90 and 100 need.
      {100, 400, {1, 10, 20, 30, 40, 50, 60, 70, 80, 100}},
      // The last number whole at the plot's right edge, and the round one before it left out.
      {12003, 400, {1, 2000, 4000, 6000, 8000, 10000, 12003}},
      // 0.00477 units a segment: a step of 10000 would put 10000 and 20000 only 47.7 apart.
      {200003, 1000, {1, 20000, 40000, 60000, 80000, 100000, 120000, 140000, 160000, 180000, 200003}},
  };
  for (const Case& c : cases) {
    const ProfileLayout layout = LayOutProfile({c.count, 1, 61}, c.width, 300, MonospacedText());
    EXPECT_DOUBLE_EQ(layout.left, 22.2) << c.count;
    EXPECT_EQ(layout.segmentNumbers, c.numbers) << c.count << " segments, " << c.width << " wide";
  }
  EXPECT_TRUE(LayOutProfile({0, 1, 61}, 400, 300, MonospacedText()).segmentNumbers.empty());
}

// A picture 300 high: the plot from 26 to 266, elevations between 38 and 254.
TEST(ProfileLayoutTest, ElevationLabelsShowTheBandAndWhereTheTrackLeavesIt) {
  struct Case {
    const char* what;
    ProfileExtent extent;
    std::map<std::int32_t, double> nudged;  // labels that stand off their lines, and where
    std::vector<std::int32_t> labelled;
  };
  const Case cases[] = {
      // Round elevations every 10; 0 and 60 stay unlabelled, too near 1 and 61.
      {"inside the band", {10, 1, 61}, {}, {1, 10, 20, 30, 40, 50, 61}},
      // Every 20; 60 and 80 too near 61 and the peak.
      {"above the band", {42, 20, 83}, {}, {1, 20, 40, 61, 83}},
      {"below the band", {16, -26, 61}, {}, {-26, 1, 20, 40, 61}},
      // 61 moves down, clear of the peak's label at 38.
      {"just above", {10, 1, 62}, {{61, 38 + 15}}, {1, 10, 20, 30, 40, 50, 61, 62}},
      // 1 moves up, clear of the trough's label at 254.
      {"just below", {10, 0, 61}, {{1, 254 - 15}}, {0, 1, 10, 20, 30, 40, 50, 61}},
      // The band shrinks to a line at the bottom: 61 stands above 1.
      {"far above", {1'000'000, 1, 4'000'001}, {{61, 254 - 15}}, {1, 61, 1'000'000, 2'000'000, 3'000'000, 4'000'001}},
  };
  for (const Case& c : cases) {
    const ProfileLayout layout = LayOutProfile(c.extent, 1000, 300, MonospacedText());
    const std::map<std::int32_t, double> labels = Labels(layout);
    std::vector<std::int32_t> labelled;
    for (const auto& [elevation, y] : labels) {
      labelled.push_back(elevation);
      const auto nudged = c.nudged.find(elevation);
      EXPECT_NEAR(y, nudged == c.nudged.end() ? layout.Y(elevation) : nudged->second, 1e-6)
          << c.what << " " << elevation;
    }
    EXPECT_EQ(labelled, c.labelled) << c.what;
  }
}

TEST(ProfileLayoutTest, TheLeftMarginHoldsTheWidestElevationLabel) {
  const ProfileLayout layout = LayOutProfile({5, -2'000'000, 61}, 400, 300, MonospacedText());
  EXPECT_DOUBLE_EQ(layout.left, 4 + 8 * 6.6 + 5);  // "-2000000"
}

}  // namespace
