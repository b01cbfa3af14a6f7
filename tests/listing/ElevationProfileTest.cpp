#include <gtest/gtest.h>

#include "listing/ElevationProfile.h"
#include "tests/listing/ListingFixtures.h"

namespace {

ElevationProfile ProfileOf(const DesignDescription& design, std::int32_t startElevation) {
  CDecoderDoc doc;
  FillDocument(doc, design);
  return MakeElevationProfile(doc, startElevation);
}

TEST(ElevationProfileTest, DescribesEverySegmentOfTheListing) {
  const ElevationProfile profile = ProfileOf(SevenLineExample(), 1);
  ASSERT_EQ(profile.lines.size(), 7u);
  ASSERT_EQ(profile.segments.size(), 10u);
  const int lines[] = {0, 1, 1, 2, 3, 3, 3, 4, 5, 6};
  const std::int32_t starts[] = {1, 1, 1, 1, 2, 3, 4, 5, 5, 5};
  for (int i = 0; i < 10; ++i) {
    const ProfileSegment& segment = profile.segments[std::size_t(i)];
    EXPECT_EQ(segment.line, lines[i]) << i;
    EXPECT_EQ(segment.startElevation, starts[i]) << i;
    EXPECT_EQ(segment.endElevation, i < 9 ? starts[i + 1] : 5) << i;
    EXPECT_EQ(segment.station, i <= 2 || i == 9) << i;
    EXPECT_EQ(segment.chainLift, i >= 3 && i <= 7) << i;
  }
  EXPECT_EQ(profile.lowest, 1);
  EXPECT_EQ(profile.highest, 5);
}

TEST(ElevationProfileTest, OutOfRangeSegmentsAreThoseOfMarkedLines) {
  // Up steep (+4) five times, then Down steep five times, from several starts.
  DesignDescription design;
  design.segments = {{0}, {5}, {5}, {5}, {5}, {5}, {0}, {11}, {11}, {11}, {11}, {11}, {0}};
  for (const std::int32_t start : {1, 3, 42, 50, 61}) {
    const ElevationProfile profile = ProfileOf(design, start);
    ASSERT_EQ(profile.segments.size(), design.segments.size());
    int marked = 0;
    for (const ProfileSegment& segment : profile.segments) {
      const ElevationCheck check = profile.lines[std::size_t(segment.line)].check;
      EXPECT_EQ(segment.outOfRange, check == ElevationCheck::TooHigh || check == ElevationCheck::TooLow) << start;
      marked += segment.outOfRange;
    }
    EXPECT_EQ(marked, start + 20 > 61 ? 11 : 0) << start;  // the climb, the top and the descent
  }
}

TEST(ElevationProfileTest, NothingListedGivesAnEmptyProfile) {
  DesignDescription maze = SevenLineExample();
  maze.rideType = 20;
  CDecoderDoc empty;
  for (const ElevationProfile& profile : {ProfileOf(maze, 1), MakeElevationProfile(empty, 1)}) {
    EXPECT_TRUE(profile.lines.empty());
    EXPECT_TRUE(profile.segments.empty());
    EXPECT_EQ(profile.lowest, 1);
    EXPECT_EQ(profile.highest, 61);
  }
}

TEST(ElevationProfileTest, LayoutShowsTheBandAndTheWholeTrack) {
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
    ElevationProfile profile;
    profile.lowest = c.lowest;
    profile.highest = c.highest;
    profile.segments.resize(40);
    const ProfileLayout layout = LayOutProfile(profile, 800, 200);
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

TEST(ElevationProfileTest, SegmentAtFindsTheSegmentDrawnThere) {
  ElevationProfile profile;
  for (const std::size_t count : {std::size_t(7), std::size_t(100'000)}) {
    profile.segments.resize(count);
    const ProfileLayout layout = LayOutProfile(profile, 640, 160);
    for (const std::size_t i : {std::size_t(0), count / 2, count - 1}) {
      const double middle = (layout.X(double(i)) + layout.X(double(i + 1))) / 2;
      EXPECT_EQ(layout.SegmentAt(middle), int(i)) << count;
    }
    EXPECT_EQ(layout.SegmentAt(layout.left - 1), -1);
    EXPECT_EQ(layout.SegmentAt(layout.left + layout.width), -1);
  }
  profile.segments.clear();
  const ProfileLayout empty = LayOutProfile(profile, 640, 160);
  EXPECT_EQ(empty.SegmentAt(empty.left + 10), -1);
}

}  // namespace
