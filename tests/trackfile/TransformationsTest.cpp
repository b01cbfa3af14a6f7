#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "framework/Archive.h"
#include "tests/support/GoldenDesigns.h"
#include "tests/support/LoadedDocument.h"
#include "tests/support/TrackDesigns.h"

namespace {

std::vector<SegmentEntry> Entries(const std::vector<int>& codes) {
  std::vector<SegmentEntry> entries;
  for (int code : codes) entries.push_back({std::uint8_t(code)});
  return entries;
}

// Loads a design and puts exactly these records in its array and track list,
// whatever order loading would have given them.
void Hold(DocumentFixture& fixture, const std::vector<SegmentEntry>& records) {
  ASSERT_TRUE(fixture.Load(BuildDesignFile(DesignOf(records))));
  for (std::size_t i = 0; i < records.size(); ++i) fixture.doc.m_pSegments[i] = {records[i].code, records[i].flags, 0, 0};
  fixture.doc.StoreTrackList();
  ASSERT_EQ(fixture.Design(), BuildDesign(DesignOf(records)));
}

Bytes Store(CDecoderDoc& doc) {
  Bytes file;
  CArchive archive(file);
  doc.Serialize(archive);
  return file;
}

struct TransformCase {
  const char* name;
  friend void PrintTo(const TransformCase& value, std::ostream* out) { *out << value.name; }
  std::vector<int> before;
  std::vector<int> after;
};

class ReverseTrackTest : public ::testing::TestWithParam<TransformCase> {};

TEST_P(ReverseTrackTest, TurnsPiecesReversesOrderAndBringsStationsForward) {
  DocumentFixture fixture;
  Hold(fixture, Entries(GetParam().before));
  EXPECT_EQ(fixture.doc.ReverseTrack(), 0);
  EXPECT_EQ(fixture.Codes(), GetParam().after);
  EXPECT_EQ(fixture.Design(), BuildDesign(DesignOf(Entries(GetParam().after))));
  EXPECT_TRUE(fixture.doc.IsModified());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ReverseTrackTest,
    ::testing::Values(
        TransformCase{"FourRotations", {2, 3, 3, 1, 16, 4, 9}, {2, 3, 3, 1, 12, 10, 17}},
        TransformCase{"LeadingEndStationKept", {1, 16, 4, 0}, {1, 0, 10, 17}},
        TransformCase{"ThreeRotations", {2, 3, 1, 5, 6}, {2, 3, 1, 15, 11}},
        TransformCase{"LastCodeLevelNoRotation", {0, 1, 2, 16}, {17, 1, 2, 0}},
        TransformCase{"LaterEndStationMapped", {1, 3, 2, 16, 17}, {1, 3, 1, 16, 17}},
        // Stations only, no Begin station among them: the rotation stops after one turn.
        TransformCase{"SingleEndStation", {1}, {1}},
        TransformCase{"SingleBeginStation", {2}, {1}},
        TransformCase{"StationsWithoutBeginStation", {1, 3, 3}, {3, 3, 1}},
        TransformCase{"NoSegments", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReverseTrackTest, RecordsTravelWhole) {
  DocumentFixture fixture;
  std::vector<SegmentEntry> records = Entries({2, 3, 3, 1, 16, 4, 9});
  records[5].flags = 5;
  Hold(fixture, records);
  fixture.doc.m_pSegments[5].startElevation = 11;
  fixture.doc.m_pSegments[5].endElevation = 12;

  ASSERT_EQ(fixture.doc.ReverseTrack(), 0);
  std::vector<SegmentEntry> expected = Entries({2, 3, 3, 1, 12, 10, 17});
  expected[5].flags = 5;
  EXPECT_EQ(fixture.Design(), BuildDesign(DesignOf(expected)));
  const TrackSegment& moved = fixture.doc.m_pSegments[5];
  EXPECT_EQ(moved.code, 10);
  EXPECT_EQ(moved.flags, 5);
  EXPECT_EQ(moved.startElevation, 11);
  EXPECT_EQ(moved.endElevation, 12);
}

TEST(ReverseTrackTest, LongStationRunIsRotatedInOnePass) {
  // An End station, a million Middle stations and an up slope: reversed, all
  // the stations must move to the front, which step by step is a million rotations.
  constexpr int kMiddleStations = 1'000'000;
  std::vector<SegmentEntry> records(kMiddleStations + 2, SegmentEntry{3});
  records.front().code = 1;
  records.back().code = 7;
  DocumentFixture fixture;
  Hold(fixture, records);

  ASSERT_EQ(fixture.doc.ReverseTrack(), 0);
  ASSERT_EQ(fixture.doc.m_nSegments, kMiddleStations + 2);
  EXPECT_EQ(fixture.doc.m_pSegments[0].code, 3);
  EXPECT_EQ(fixture.doc.m_pSegments[kMiddleStations].code, 1);
  EXPECT_EQ(fixture.doc.m_pSegments[kMiddleStations + 1].code, 14);
}

// Every code a reversal accepts, once each. The design starts at a Level piece,
// so no record keeps its code and no station is brought forward: record i
// ends at place n-1-i with its reverse code.
TEST(ReverseTrackTest, EveryCodeTakesItsReverse) {
  const DesignDescription design = EveryReversibleCode();
  DocumentFixture fixture;
  ASSERT_TRUE(fixture.Load(BuildDesignFile(design)));
  ASSERT_EQ(fixture.doc.ReverseTrack(), 0);

  const std::vector<int> reversed = fixture.Codes();
  ASSERT_EQ(reversed.size(), design.segments.size());
  std::map<int, int> reverseOf;
  for (std::size_t i = 0; i < reversed.size(); ++i)
    reverseOf[design.segments[i].code] = reversed[reversed.size() - 1 - i];
  std::string pairs;
  for (const auto& [code, reverse] : reverseOf) pairs += std::to_string(code) + " -> " + std::to_string(reverse) + "\n";
  EXPECT_EQ(pairs, ReadGolden("reverse-pairs.txt"));
}

struct RefusalCase {
  const char* name;
  friend void PrintTo(const RefusalCase& value, std::ostream* out) { *out << value.name; }
  std::vector<SegmentEntry> records;
};

class ReverseRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ReverseRefusalTest, ChangesNothing) {
  DocumentFixture fixture;
  Hold(fixture, GetParam().records);
  const std::vector<int> codes = fixture.Codes();

  EXPECT_EQ(fixture.doc.ReverseTrack(), 1);
  EXPECT_EQ(fixture.Codes(), codes);
  EXPECT_EQ(fixture.Design(), BuildDesign(DesignOf(GetParam().records)));
  EXPECT_FALSE(fixture.doc.IsModified());
}

INSTANTIATE_TEST_SUITE_P(
    LiftsCannotRunBackwards, ReverseRefusalTest,
    ::testing::Values(RefusalCase{"ChainLiftOnLastRecord", {{2}, {3}, {1}, {16}, {4, 0x80}}},
                      RefusalCase{"LaunchedLiftHillFirst", {{182}, {2}, {1}, {16}}},
                      RefusalCase{"LaunchedLiftHillInside", {{2}, {1}, {16}, {182}, {17}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct MirrorCase {
  const char* name;
  friend void PrintTo(const MirrorCase& value, std::ostream* out) { *out << value.name; }
  std::vector<int> before;
  std::vector<int> after;
  bool modified;
};

class MirrorTrackTest : public ::testing::TestWithParam<MirrorCase> {};

TEST_P(MirrorTrackTest, SwapsHandsAndMarksModifiedOnlyWhenACodeChanged) {
  for (const bool modifiedBefore : {false, true}) {
    DocumentFixture fixture;
    Hold(fixture, Entries(GetParam().before));
    fixture.doc.SetModifiedFlag(modifiedBefore);

    fixture.doc.MirrorTrack();
    EXPECT_EQ(fixture.Codes(), GetParam().after);
    EXPECT_EQ(fixture.Design(), BuildDesign(DesignOf(Entries(GetParam().after))));
    EXPECT_EQ(fixture.doc.IsModified(), modifiedBefore || GetParam().modified);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Designs, MirrorTrackTest,
    ::testing::Values(MirrorCase{"HandedPieces", {2, 1, 16, 4, 156, 141, 133, 0}, {2, 1, 17, 4, 157, 141, 134, 0}, true},
                      MirrorCase{"NothingHanded", {2, 1, 4, 56, 182, 10}, {2, 1, 4, 56, 182, 10}, false},
                      MirrorCase{"NoSegments", {}, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MirrorTrackTest, TwiceGivesBackTheFileByteForByte) {
  std::vector<SegmentEntry> records;
  for (int code = 0; code < 255; ++code) records.push_back({std::uint8_t(code), std::uint8_t(code * 7)});
  const Bytes file = BuildDesignFile(DesignOf(records));
  DocumentFixture fixture;
  ASSERT_TRUE(fixture.Load(file));

  fixture.doc.MirrorTrack();
  fixture.doc.MirrorTrack();
  EXPECT_EQ(Store(fixture.doc), file);
}

struct RoundTripCase {
  const char* name;
  friend void PrintTo(const RoundTripCase& value, std::ostream* out) { *out << value.name; }
  std::function<void(CDecoderDoc&)> transform;
};

class TransformRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(TransformRoundTripTest, SavedDesignOpensInTheSameOrder) {
  // A closed circuit, Middle stations first as the file keeps it.
  const Bytes file = BuildDesignFile(DesignOf({{3}, {1, 0x08}, {16}, {4, 0x40}, {9}, {133}, {2, 0x08}}));
  DocumentFixture fixture;
  ASSERT_TRUE(fixture.Load(file));
  GetParam().transform(fixture.doc);
  const std::vector<int> shown = fixture.Codes();

  DocumentFixture reopened;
  ASSERT_TRUE(reopened.Load(Store(fixture.doc)));
  EXPECT_EQ(reopened.Codes(), shown);
  EXPECT_EQ(reopened.Design(), fixture.Design());
}

INSTANTIATE_TEST_SUITE_P(
    Transforms, TransformRoundTripTest,
    ::testing::Values(RoundTripCase{"Mirror", [](CDecoderDoc& doc) { doc.MirrorTrack(); }},
                      RoundTripCase{"Reverse", [](CDecoderDoc& doc) { ASSERT_EQ(doc.ReverseTrack(), 0); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
