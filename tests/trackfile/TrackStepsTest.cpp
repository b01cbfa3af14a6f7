#include <gtest/gtest.h>

#include "framework/Archive.h"
#include "tests/support/LoadedDocument.h"
#include "tests/support/TrackDesigns.h"
#include "trackfile/TrackSteps.h"

namespace {

constexpr std::uint8_t kTerminal = 0x08;
constexpr std::uint8_t kChainLift = 0x80;

struct Loaded {
  std::vector<TrackSegment> segments;
  int openCircuit;
  bool operator==(const Loaded&) const = default;
};

Loaded Of(const CDecoderDoc& doc) {
  return {{doc.m_pSegments.get(), doc.m_pSegments.get() + doc.m_nSegments}, doc.m_bOpenCircuit};
}

// The step as a user takes it: the command on the loaded design, Save As to a
// file, and that file opened.
Loaded SavedAndOpened(const Bytes& file, TrackStep step) {
  DocumentFixture edited;
  EXPECT_TRUE(edited.Load(file));
  if (step == TrackStep::Mirror)
    edited.doc.MirrorTrack();
  else
    EXPECT_EQ(edited.doc.ReverseTrack(), 0);
  Bytes saved;
  CArchive archive(saved);
  edited.doc.Serialize(archive);
  DocumentFixture reopened;
  EXPECT_TRUE(reopened.Load(saved));
  return Of(reopened.doc);
}

// Track lists as files hold them, in every way loading can rotate them.
const std::vector<std::vector<SegmentEntry>> kTrackLists = {
    {{3}, {1, kTerminal}, {0}, {16}, {2, kTerminal}},              // a circuit stored from its Middle station
    {{3}, {3}, {1, kTerminal}, {16}, {6}, {2, kTerminal}, {3}},    // Middle stations at both ends
    {{16}, {1, kTerminal}, {3}, {2, kTerminal}, {20}},             // stored one piece before its End station
    {{2, kTerminal}, {3}, {1, kTerminal}, {100, 12}, {5}, {128}},  // an open circuit from its Begin station
    {{1, kTerminal}, {16}, {4}, {0}},                              // an open circuit from its End station
    {{154}, {18}},                                                 // no station at all
    {{1, kTerminal}},                                              // a station alone
};

TEST(TrackStepsTest, AStepLeavesTheDesignAsSavingAndOpeningItDoes) {
  for (const auto& trackList : kTrackLists) {
    const Bytes file = BuildDesignFile(DesignOf(trackList));
    for (const TrackStep step : {TrackStep::Mirror, TrackStep::Reverse}) {
      DocumentFixture fixture;
      ASSERT_TRUE(fixture.Load(file));
      ASSERT_TRUE(TakeStep(fixture.doc, step));
      EXPECT_EQ(Of(fixture.doc), SavedAndOpened(file, step))
          << "first code " << int(trackList[0].code) << (step == TrackStep::Mirror ? ", mirrored" : ", reversed");
      EXPECT_EQ(fixture.TrackListCodes(), fixture.Codes());
    }
  }
}

TEST(TrackStepsTest, ReverseWhereReverseTrackRefusesChangesNothing) {
  DocumentFixture fixture;
  ASSERT_TRUE(fixture.Load(BuildDesignFile(DesignOf({{2, kTerminal}, {6, kChainLift}, {16}, {1, kTerminal}}))));
  const Loaded before = Of(fixture.doc);
  const Bytes design = fixture.Design();
  EXPECT_FALSE(TakeStep(fixture.doc, TrackStep::Reverse));
  EXPECT_EQ(Of(fixture.doc), before);
  EXPECT_EQ(fixture.Design(), design);
}

}  // namespace
