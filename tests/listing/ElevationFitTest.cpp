#include <gtest/gtest.h>

#include <algorithm>

#include "listing/ElevationFit.h"
#include "tests/listing/ListingFixtures.h"
#include "tests/support/GoldenDesigns.h"

namespace {

constexpr std::uint8_t kTerminal = 0x08;
constexpr std::uint8_t kLevel = 0, kUp = 4, kDown = 10, kUpSteep = 5;

std::vector<SegmentEntry> StationThen(std::vector<std::pair<int, std::uint8_t>> runs) {
  std::vector<SegmentEntry> segments = {{2, kTerminal}};
  for (const auto& [count, code] : runs) segments.insert(segments.end(), std::size_t(count), SegmentEntry{code});
  return segments;
}

struct FitCase {
  const char* name;
  std::vector<SegmentEntry> segments;
  std::optional<StartElevationRange> fit;  // worked out from the elevation table by hand
};

// Up +1, Down -1, Up steep +4, Level 0.
std::vector<FitCase> FitCases() {
  return {
      {"level only: fits everywhere", StationThen({{3, kLevel}}), StartElevationRange{1, 61}},
      {"climbs 60 from the station: fits at 1 alone", StationThen({{60, kUp}}), StartElevationRange{1, 1}},
      {"drops 10, climbs 60: fits at 11 alone", StationThen({{10, kDown}, {60, kUp}}), StartElevationRange{11, 11}},
      {"climbs 61: fits nowhere", StationThen({{61, kUp}}), std::nullopt},
      {"drops 2 below the station: 3 and up", StationThen({{2, kDown}}), StartElevationRange{3, 61}},
      {"climbs 5 steep (to 21): up to 41", StationThen({{5, kUpSteep}}), StartElevationRange{1, 41}},
      {"down 3, up 3: 4..61", StationThen({{3, kDown}, {3, kUp}}), StartElevationRange{4, 61}},
  };
}

bool AnyLineMarked(CDecoderDoc& doc, std::int32_t startElevation) {
  return std::ranges::any_of(ListSegments(doc, startElevation), [](const ListingLine& line) {
    return line.check == ElevationCheck::TooHigh || line.check == ElevationCheck::TooLow;
  });
}

// The range must say exactly where the listing marks nothing, whatever
// starting elevation the extent was measured from.
void ExpectFitMatchesMarks(CDecoderDoc& doc, const std::string& name) {
  for (const std::int32_t measuredFrom : {1, 30, 61}) {
    const std::optional<StartElevationRange> fit = MeasureElevations(doc, measuredFrom).FittingStarts();
    for (std::int32_t start = 1; start <= 61; ++start) {
      const bool inRange = fit && start >= fit->first && start <= fit->last;
      EXPECT_EQ(inRange, !AnyLineMarked(doc, start)) << name << ", start " << start << ", measured from "
                                                     << measuredFrom;
    }
  }
}

TEST(ElevationFitTest, RangeIsWhatTheElevationTableGives) {
  for (const FitCase& c : FitCases()) {
    DesignDescription design;
    design.segments = c.segments;
    CDecoderDoc doc;
    FillDocument(doc, design);
    EXPECT_EQ(MeasureElevations(doc, 1).FittingStarts(), c.fit) << c.name;
    ExpectFitMatchesMarks(doc, c.name);
  }
}

TEST(ElevationFitTest, RangeAgreesWithTheListingsMarksForEveryGoldenDesign) {
  for (const GoldenDesign& golden : GoldenDesigns()) {
    CDecoderDoc doc;
    FillDocument(doc, golden.description);
    ExpectFitMatchesMarks(doc, golden.name);
  }
}

TEST(ElevationFitTest, DescribesTheRangeInWords) {
  EXPECT_EQ(DescribeFit(StartElevationRange{3, 12}), "fits with starting elevations 3..12");
  EXPECT_EQ(DescribeFit(StartElevationRange{7, 7}), "fits with starting elevation 7");
  EXPECT_EQ(DescribeFit(std::nullopt), "fits at no starting elevation");
}

}  // namespace
