#include <gtest/gtest.h>

#include "listing/ListTrack.h"
#include "tests/listing/ListingFixtures.h"

namespace {

constexpr std::uint8_t kChain = 0x80;
constexpr std::uint8_t kInverted = 0x40;
constexpr std::uint8_t kTerminal = 0x08;

std::vector<ListingLine> Lines(const std::vector<SegmentEntry>& segments, std::int32_t startElevation = 1,
                               std::uint8_t rideType = 51) {
  DesignDescription design;
  design.rideType = rideType;
  design.segments = segments;
  CDecoderDoc doc;
  FillDocument(doc, design);
  return ListSegments(doc, startElevation);
}

TEST(ListSegmentsTest, OneSegmentGetsItsNameAndTags) {
  struct Case {
    SegmentEntry segment;
    std::uint8_t rideType;
    const char* text;
  };
  const Case cases[] = {
      {{2, kTerminal}, 51, "Begin station [terminal]"},
      {{3, kChain | kInverted}, 51, "Middle station"},  // stations show only the terminal bit
      {{0, kTerminal}, 51, "Level"},
      {{0, kChain}, 51, "Level [chain lift]"},
      {{0, kInverted}, 51, "Level [inverted]"},
      {{56, kChain | kInverted}, 51, "Half loop, normal to inverted [chain lift] [inverted]"},
      {{99, kChain | 0x05}, 51, "Brakes [22 mph]"},  // brakes and boosters show only their speed
      {{100, 0xFF}, 51, "Booster [67 mph]"},
      {{115}, 51, "Unknown"},
      {{101, kChain}, 51, " [chain lift]"},  // no name, and no fallback for segments
      {{68}, 74, "Level water track"},
      {{81}, 74, "Left-hand curved water track"},
      {{82}, 74, "Right-hand curved water track"},
      {{68}, 73, "Level, covered"},
      {{16}, 74, "Left-hand curve"},
      {{133}, 51, "Left-hand curve (large radius), ortho to diagonal"},
      {{140}, 51, "Banked right-hand curve (large radius), diagonal to ortho"},
  };
  for (const Case& c : cases) {
    const std::vector<ListingLine> lines = Lines({c.segment}, 1, c.rideType);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Text(), c.text);
  }
}

TEST(ListSegmentsTest, SpeedIsNineHalvesOfTheSettingRoundedDown) {
  const int expected[16] = {0, 4, 9, 13, 18, 22, 27, 31, 36, 40, 45, 49, 54, 58, 63, 67};
  for (std::uint8_t setting = 0; setting < 16; ++setting)
    EXPECT_EQ(Lines({{99, setting}})[0].Text(), "Brakes [" + std::to_string(expected[setting]) + " mph]");
}

TEST(ListSegmentsTest, RangeCheckTestsHighBeforeLow) {
  struct Case {
    std::int32_t startElevation;
    std::vector<SegmentEntry> segments;
    ElevationCheck check;
    std::int32_t start, end;
  };
  const Case cases[] = {
      {1, {{5}, {5}, {5}, {5}, {5}}, ElevationCheck::Changing, 1, 21},  // one line of five Up steep
      {50, {{5}, {5}, {5}, {5}, {5}}, ElevationCheck::TooHigh, 50, 70},
      {61, {{0}}, ElevationCheck::Level, 61, 61},
      {61, {{4}}, ElevationCheck::TooHigh, 61, 62},
      {0, {{4}}, ElevationCheck::TooLow, 0, 1},
      {-3, {{5}}, ElevationCheck::TooLow, -3, 1},
      {1, {{10}}, ElevationCheck::TooLow, 1, 0},
      {70, std::vector<SegmentEntry>(15, {214}), ElevationCheck::TooHigh, 70, -5},  // high wins over low
  };
  for (const Case& c : cases) {
    const std::vector<ListingLine> lines = Lines(c.segments, c.startElevation);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].check, c.check);
    EXPECT_EQ(lines[0].startElevation, c.start);
    EXPECT_EQ(lines[0].endElevation, c.end);
  }
}

TEST(ListSegmentsTest, MatchingNeighboursShareALine) {
  struct Line {
    int first, last;
    std::string text;
  };
  struct Case {
    const char* what;
    std::vector<SegmentEntry> segments;
    std::vector<Line> lines;
  };
  const Case cases[] = {
      {"brakes of other speeds", {{99, 5}, {99, 6}}, {{0, 0, "Brakes [22 mph]"}, {1, 1, "Brakes [27 mph]"}}},
      {"brakes of one speed", {{99, 5}, {99, kChain | 5}}, {{0, 1, "Brakes [22 mph]"}}},
      {"inverted bit ignored, tags of the first", {{0, kInverted}, {0}}, {{0, 1, "Level [inverted]"}}},
      {"chain lift bits differ", {{0, kChain}, {0}}, {{0, 0, "Level [chain lift]"}, {1, 1, "Level"}}},
      {"terminal bit ignored", {{3}, {3, kTerminal}}, {{0, 1, "Middle station"}}},
      {"other halves of a curve",
       {{133}, {135}, {133}},
       {{0, 2, "Left-hand curve (large radius), ortho to diagonal"}}},
      {"a curve then its other half",
       {{137}, {139}},
       {{0, 1, "Banked left-hand curve (large radius), ortho to ortho"}}},
      {"halves in the other order", {{136}, {134}}, {{0, 1, "Right-hand curve (large radius), diagonal to diagonal"}}},
      {"curves of other hands",
       {{133}, {134}},
       {{0, 0, "Left-hand curve (large radius), ortho to diagonal"},
        {1, 1, "Right-hand curve (large radius), ortho to diagonal"}}},
      // The chained curve matches its other half, the other half the plain curve:
      // each segment is compared with the next, not with the first of the run.
      {"compared with the next",
       {{133, kChain}, {135}, {133}},
       {{0, 2, "Left-hand curve (large radius) [chain lift], ortho to diagonal"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<ListingLine> lines = Lines(c.segments);
    ASSERT_EQ(lines.size(), c.lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].first, c.lines[i].first);
      EXPECT_EQ(lines[i].last, c.lines[i].last);
      EXPECT_EQ(lines[i].Text(), c.lines[i].text);
    }
  }
}

TEST(ListSegmentsTest, SegmentsMatchOnlyWhatMayShareALine) {
  struct Case {
    SegmentEntry a, b;
    bool match;
  };
  const Case cases[] = {
      {{0, kInverted}, {0, kTerminal}, true},
      {{0, kChain}, {0, 0}, false},
      {{100, 3}, {100, kChain | 3}, true},
      {{100, 3}, {100, 4}, false},
      {{135, kChain}, {133, 0}, true},
      {{138}, {140}, true},
      {{134}, {136}, true},
      {{135}, {137}, false},
      {{133}, {134}, false},
      {{0}, {16}, false},
  };
  for (const Case& c : cases) {
    const TrackSegment a{c.a.code, c.a.flags, 0, 0};
    const TrackSegment b{c.b.code, c.b.flags, 0, 0};
    EXPECT_EQ(SegmentsMatch(a, b), c.match) << int(a.code) << " then " << int(b.code);
  }
}

TEST(ListSegmentsTest, ElevationsAreWrittenIntoEverySegment) {
  CDecoderDoc doc;
  FillDocument(doc, SevenLineExample());
  ListSegments(doc, 1);
  ListSegments(doc, 10);  // every listing starts again from its own start elevation

  const std::int32_t expected[10][2] = {{10, 10}, {10, 10}, {10, 10}, {10, 11}, {11, 12},
                                        {12, 13}, {13, 14}, {14, 14}, {14, 14}, {14, 14}};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(doc.m_pSegments[i].startElevation, expected[i][0]) << "segment " << i;
    EXPECT_EQ(doc.m_pSegments[i].endElevation, expected[i][1]) << "segment " << i;
  }
}

TEST(ListSegmentsTest, FirstSegmentStartsAtTheStartElevationWhateverItIs) {
  const std::vector<ListingLine> lines = Lines({{12}, {10}}, 30);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].startElevation, 30);
  EXPECT_EQ(lines[1].endElevation, 28);
}

TEST(ListSegmentsTest, AnEndMarkerInTheRecordsEndsTheListing) {
  const std::vector<ListingLine> lines = Lines({{4}, {255}, {4}});
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Text(), "Up");
}

}  // namespace
