#include <gtest/gtest.h>

#include "examples/DesignBuilder.h"
#include "framework/Archive.h"
#include "tests/support/LoadedDocument.h"
#include "tests/support/ScriptedMessageBox.h"

namespace {

// Stand-ins for ordinary pieces, to make the station orders readable.
constexpr std::uint8_t X = 16, Y = 17, Z = 5;

std::vector<SegmentEntry> Entries(const std::vector<int>& codes) {
  std::vector<SegmentEntry> entries;
  for (int code : codes) entries.push_back({std::uint8_t(code), std::uint8_t((code + 0x10) & 0x3F)});
  return entries;
}

Bytes DesignWith(const std::vector<int>& codes) {
  DesignDescription design;
  design.segments = Entries(codes);
  return BuildDesign(design);
}

struct OrderCase {
  const char* name;
  friend void PrintTo(const OrderCase& value, std::ostream* out) { *out << value.name; }
  std::vector<int> fileOrder;
  std::vector<int> displayOrder;
  int openCircuit;
  std::vector<int> savedOrder;
};

class TrackOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(TrackOrderTest, LoadNormalisesAndSaveRestoresFileOrder) {
  const OrderCase& order = GetParam();
  DocumentFixture fixture;
  ScriptedMessageBox boxes;
  ASSERT_TRUE(fixture.Load(PackDesignFile(DesignWith(order.fileOrder))));

  EXPECT_EQ(fixture.Codes(), order.displayOrder);
  EXPECT_EQ(fixture.TrackListCodes(), order.displayOrder);
  EXPECT_EQ(fixture.doc.m_bOpenCircuit, order.openCircuit);
  for (int i = 0; i < fixture.doc.m_nSegments; ++i)  // flags travel with their codes
    EXPECT_EQ(fixture.doc.m_pSegments[i].flags, (fixture.doc.m_pSegments[i].code + 0x10) & 0x3F);

  Bytes saved;
  CArchive archive(saved);
  fixture.doc.Serialize(archive);
  EXPECT_EQ(saved, PackDesignFile(DesignWith(order.savedOrder)));
  EXPECT_EQ(fixture.Codes(), order.displayOrder);
  EXPECT_EQ(fixture.TrackListCodes(), order.displayOrder);
}

INSTANTIATE_TEST_SUITE_P(
    Stations, TrackOrderTest,
    ::testing::Values(
        OrderCase{"OpenCircuitFromEndStation", {1, X, Y, 2}, {1, X, Y, 2}, 1, {1, X, Y, 2}},
        OrderCase{"OpenCircuitFromBeginStation", {2, 3, X, 1}, {2, 3, X, 1}, 1, {2, 3, X, 1}},
        OrderCase{"EndStationSecondMovesToTheFront", {X, 1, Y, Z}, {1, Y, Z, X}, 0, {X, 1, Y, Z}},
        OrderCase{"LeadingMiddleStationsRotateBack", {3, 3, 1, Y, Z, 2}, {2, 3, 3, 1, Y, Z}, 0, {3, 1, Y, Z, 2, 3}},
        OrderCase{"TrailingMiddleStationsComeAlong", {3, 1, X, 2, 3, 3}, {2, 3, 3, 3, 1, X}, 0, {3, 1, X, 2, 3, 3}},
        OrderCase{"NoStationAtTheStart", {7, 2, 1, Y}, {7, 2, 1, Y}, 0, {7, 2, 1, Y}},
        OrderCase{"EndStationSecondThenBeginStation", {X, 1, 2}, {1, 2, X}, 0, {X, 1, 2}},
        // Loops that would never meet their stop condition end after one full turn.
        OrderCase{"OnlyMiddleStations", {3, 3, 3}, {3, 3, 3}, 0, {3, 3, 3}},
        OrderCase{"SingleMiddleStation", {3}, {3}, 0, {3}},
        OrderCase{"SinglePiece", {X}, {X}, 0, {X}},
        OrderCase{"NoSegments", {}, {}, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrackListTest, SaveOfStationsOnlyCircuitStopsAfterOneTurn) {
  // Loaded as 2, 3, 2 (open circuit rules do not apply: the first code read is 3).
  DocumentFixture fixture;
  ASSERT_TRUE(fixture.Load(PackDesignFile(DesignWith({3, 2, 3, 2}))));
  EXPECT_EQ(fixture.Codes(), (std::vector<int>{2, 3, 2, 3}));
  Bytes saved;
  CArchive archive(saved);
  fixture.doc.Serialize(archive);
  EXPECT_EQ(saved, PackDesignFile(DesignWith({2, 3, 2, 3})));
}

TEST(TrackListTest, RotateSegmentsMovesOnePlaceEitherWay) {
  DocumentFixture fixture;
  ASSERT_TRUE(fixture.Load(PackDesignFile(DesignWith({7, X, Y, Z}))));
  fixture.doc.RotateSegments(1);
  EXPECT_EQ(fixture.Codes(), (std::vector<int>{X, Y, Z, 7}));
  fixture.doc.RotateSegments(0);
  fixture.doc.RotateSegments(0);
  EXPECT_EQ(fixture.Codes(), (std::vector<int>{Z, 7, X, Y}));
  // Only StoreTrackList brings the buffer in line with the array.
  EXPECT_EQ(fixture.TrackListCodes(), (std::vector<int>{7, X, Y, Z}));
  fixture.doc.StoreTrackList();
  EXPECT_EQ(fixture.TrackListCodes(), (std::vector<int>{Z, 7, X, Y}));
}

}  // namespace
