#include <gtest/gtest.h>

#include "catalog/DesignSummary.h"
#include "examples/DesignBuilder.h"
#include "tests/support/ScriptedMessageBox.h"
#include "tests/support/TempFolder.h"

namespace {

constexpr std::uint8_t kTerminal = 0x08;
constexpr std::uint8_t kChainLift = 0x80;

DesignDescription Climb() {
  DesignDescription design;  // Steel Twister Roller Coaster, Twister cars
  design.trains = 2;
  design.carsPerTrain = 5;
  design.segments = {{2, kTerminal}, {6, kChainLift}, {4, kChainLift}, {9}, {12}, {15}, {1, kTerminal}};
  return design;
}

TEST(DesignSummaryTest, ALoadedDesignIsSummarisedAsTheWindowShowsIt) {
  TempFolder folder;
  const std::vector<std::uint8_t> file = BuildDesignFile(Climb());
  const std::string path = folder.Write("climb.td4", file);
  const DesignSummary summary = SummariseDesign(path);
  EXPECT_TRUE(summary.loaded);
  EXPECT_EQ(summary.message, "");
  EXPECT_EQ(summary.path, path);
  EXPECT_EQ(summary.size, file.size());
  EXPECT_EQ(summary.header.rideType, "Steel Twister Roller Coaster");
  EXPECT_EQ(summary.header.vehicleType, "Twister cars (2 5-car trains)");
  EXPECT_EQ(summary.header.operatingMode, "Continuous Circuit Mode");
  EXPECT_EQ(summary.vehicles.trains, 2);
  EXPECT_EQ(summary.vehicles.cars, 5);
  EXPECT_EQ(summary.edition, "Original Tivora");
  EXPECT_EQ(summary.checksum, ChecksumState::Normal);
  EXPECT_EQ(summary.segments, 7);
  // Level to up +1, Up +1, Up to level 0, Level to down -1, Down to level 0.
  EXPECT_EQ(summary.lowest, 1);
  EXPECT_EQ(summary.highest, 3);
  EXPECT_EQ(summary.fit, (StartElevationRange{1, 59}));
  EXPECT_TRUE(summary.chainLift);
  EXPECT_FALSE(summary.launchedLiftHill);
  EXPECT_TRUE(summary.openCircuit);  // stored from its Begin station
  EXPECT_TRUE(summary.reverseRefused);
  EXPECT_TRUE(summary.Fits());
}

TEST(DesignSummaryTest, ReverseTrackOutcomeFollowsThePieces) {
  struct Case {
    std::vector<SegmentEntry> segments;
    bool launched, openCircuit, refused;
  };
  const Case cases[] = {
      // A circuit is stored from a Middle station; a track stored from its
      // Begin or End station is an open circuit.
      {{{3}, {1, kTerminal}, {0}, {2, kTerminal}}, false, false, false},
      {{{3}, {1, kTerminal}, {182}, {2, kTerminal}}, true, false, true},
      {{{2, kTerminal}, {0}, {1, kTerminal}}, false, true, false},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    DesignDescription design;
    design.segments = c.segments;
    const DesignSummary summary = SummariseDesign(folder.Write("t.td4", BuildDesignFile(design)));
    ASSERT_TRUE(summary.loaded);
    EXPECT_EQ(summary.launchedLiftHill, c.launched);
    EXPECT_EQ(summary.openCircuit, c.openCircuit);
    EXPECT_EQ(summary.reverseRefused, c.refused);
  }
}

TEST(DesignSummaryTest, EachEditionAndAWrongChecksum) {
  DesignDescription later = Climb();
  later.flags = 0x04;
  std::vector<std::uint8_t> wrong = BuildDesignFile(Climb());
  wrong.back() ^= 0x5A;
  struct Case {
    std::vector<std::uint8_t> file;
    const char* edition;
    ChecksumState checksum;
  };
  const Case cases[] = {
      {BuildDesignFile(Climb()), "Original Tivora", ChecksumState::Normal},
      {BuildDesignFile(later), "Zanthera", ChecksumState::Normal},
      {BuildDesignFile(Climb(), kAltChecksumOffset), "Merovale", ChecksumState::Alternative},
      {wrong, "Unknown", ChecksumState::Wrong},  // loaded as the Yes answer would load it
  };
  TempFolder folder;
  for (const Case& c : cases) {
    const DesignSummary summary = SummariseDesign(folder.Write("e.td4", c.file));
    EXPECT_TRUE(summary.loaded) << c.edition;
    EXPECT_EQ(summary.edition, c.edition);
    EXPECT_EQ(summary.checksum, c.checksum) << c.edition;
    EXPECT_EQ(summary.segments, 7) << c.edition;
  }
}

TEST(DesignSummaryTest, EachRefusalKeepsTheMessageThatToldWhy) {
  DesignDescription maze = Climb();
  maze.rideType = 20;
  const std::vector<std::uint8_t> whole = BuildDesignFile(Climb());
  TempFolder folder;
  struct Case {
    std::string path;
    std::string message;
  };
  const Case cases[] = {
      {folder.Write("maze.td4", BuildDesignFile(maze)), "Hedge mazes are not supported"},
      {folder.Write("short.td4", PackDesignFile(std::vector<std::uint8_t>{51, 72, 0, 0, 0})),
       "Error processing track data."},
      {folder.Write("cut.td4", std::span(whole).first(3)), "Unexpected file format."},
      {folder.Write("empty.td4", {}), "The file holds no track design."},
      {folder.Path("missing.td4"), folder.Path("missing.td4") + " was not found."},
      {folder.Path(""), folder.Path("") + " is a folder, not a file."},
  };
  for (const Case& c : cases) {
    const DesignSummary summary = SummariseDesign(c.path);
    EXPECT_FALSE(summary.loaded) << c.path;
    EXPECT_EQ(summary.message, c.message);
    EXPECT_FALSE(summary.Fits());
  }
}

TEST(DesignSummaryTest, SummarisingAsksAndTellsTheThreadsOwnMessageBoxNothing) {
  ScriptedMessageBox installed;
  TempFolder folder;
  std::vector<std::uint8_t> wrong = BuildDesignFile(Climb());
  wrong.back() ^= 0x5A;
  SummariseDesign(folder.Write("wrong.td4", wrong));
  SummariseDesign(folder.Path("missing.td4"));
  EXPECT_TRUE(installed.Shown().empty());
}

}  // namespace
