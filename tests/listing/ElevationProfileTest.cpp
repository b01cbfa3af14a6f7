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

}  // namespace
