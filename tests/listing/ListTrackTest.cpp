#include "listing/ListTrack.h"

#include <gtest/gtest.h>

#include "tests/listing/ListingFixtures.h"
#include "tests/support/ScriptedMessageBox.h"

namespace {

TEST(ListTrackTest, ExampleComesOutInBothForms) {
  CDecoderDoc doc;
  FillDocument(doc, SevenLineExample());
  RecordingScreen screen;
  ListTrackToScreen(doc, 1, screen);
  RecordingFile file;
  ListTrackToFile(doc, 1, file);

  EXPECT_EQ(screen.lines, kSevenLineScreenLines);
  EXPECT_EQ(screen.fields[FormField::RideType], "Steel Twister Roller Coaster");
  EXPECT_EQ(screen.fields[FormField::VehicleType], "Twister cars (1 6-car train)");
  EXPECT_EQ(screen.fields[FormField::OperatingMode], "Continuous Circuit Mode");
  EXPECT_EQ(screen.fields[FormField::SegmentCount], "Track segments (10 total):");
  EXPECT_EQ(screen.fields[FormField::FileFormat], "Original Tivora");
  EXPECT_EQ(file.text, kSevenLineFileText);
}

TEST(ListTrackTest, FileFormPadsNumbersToFourDigits) {
  // Eleven single lines (Level and Left-hand curve in turn), then four grouped Ups.
  DesignDescription design;
  for (int i = 0; i < 11; ++i) design.segments.push_back({std::uint8_t(i % 2 ? 16 : 0)});
  design.segments.insert(design.segments.end(), 4, {4});
  CDecoderDoc doc;
  FillDocument(doc, design);
  RecordingFile file;
  ListTrackToFile(doc, 12, file);
  EXPECT_NE(file.text.find("\n0007\t\t\tLevel (12)\n"), std::string::npos);
  EXPECT_NE(file.text.find("\n0012 - 0015\t4\tUp (12-16)\n"), std::string::npos);
}

// A Begin station, then the line under test: a single segment or a group of
// two, leaving the range at the top or at the bottom.
TEST(ListTrackTest, OutOfRangeLinesHaveTheirOwnFormats) {
  struct Case {
    std::int32_t startElevation;
    std::vector<SegmentEntry> segments;
    const char* fileLine;
    const char* screenLine;
  };
  const Case cases[] = {
      {61, {{2}, {4}}, "0002\t\t\tUp (TOO HIGH!)", "2\t\tUp (TOO HIGH!)"},
      {60, {{2}, {4}, {4}}, "0002 - 0003\t2\tUp (TOO HIGH!)", "2-3\t2\tUp (TOO HIGH!)"},
      {1, {{2}, {10}}, "0002\t\t\tDown (TOO LOW!)", "2\t\tDown (TOO LOW!)"},
      {2, {{2}, {10}, {10}}, "0002 - 0003\t2\tDown (TOO LOW!)", "2-3\t2\tDown (TOO LOW!)"},
  };
  for (const Case& c : cases) {
    DesignDescription design;
    design.segments = c.segments;
    CDecoderDoc doc;
    FillDocument(doc, design);
    RecordingFile file;
    ListTrackToFile(doc, c.startElevation, file);
    RecordingScreen screen;
    ListTrackToScreen(doc, c.startElevation, screen);

    const std::string begin = std::to_string(c.startElevation);
    EXPECT_EQ(file.text.substr(file.text.find("\n\n") + 2),
              "0001\t\t\tBegin station (" + begin + ")\n" + c.fileLine + "\n");
    EXPECT_EQ(screen.lines, (std::vector<std::string>{"1\t\tBegin station (" + begin + ")", c.screenLine}));
  }
}

TEST(ListTrackTest, HeaderTextsWithFallbacksAndTrainCounts) {
  struct Case {
    std::uint8_t rideType, vehicleType, operatingMode, trains, cars;
    const char* rideText;
    const char* vehicleText;
    const char* modeText;
  };
  const Case cases[] = {
      {64, 74, 34, 1, 6, "Unknown (40h)", "Unknown (4ah) (1 6-car train)", "Unknown (22h)"},
      {255, 89, 255, 2, 6, "Unknown (ffh)", "Unknown (59h) (2 6-car trains)", "Unknown (ffh)"},
      {84, 88, 33, 0, 3, "Lemonade Stall", "Enterprise wheel (0 3-car train)", "Freefall Drop Mode"},
      // Bytes of 128 and more are negative: "train", printed as the 32-bit pattern read unsigned.
      {51, 72, 1, 255, 255, "Steel Twister Roller Coaster", "Twister cars (4294967295 4294967295-car train)",
       "Continuous Circuit Mode"},
      {51, 72, 1, 128, 4, "Steel Twister Roller Coaster", "Twister cars (4294967168 4-car train)",
       "Continuous Circuit Mode"},
      // River Ride, Wooden Reverser and Water Coaster count one car, whatever the byte.
      {60, 69, 1, 3, 4, "River Ride", "Boats (3 1-car trains)", "Continuous Circuit Mode"},
      {65, 67, 0, 1, 4, "Wooden Reverser Roller Coaster", "Reverser cars (1 1-car train)", "Normal Mode"},
      {74, 81, 0, 2, 255, "Water Coaster", "Water coaster boats (2 1-car trains)", "Normal Mode"},
      {59, 66, 0, 2, 4, "Virginia Reel", "Virginia Reel tubs (2 4-car trains)", "Normal Mode"},
  };
  for (const Case& c : cases) {
    DesignDescription design;
    design.rideType = c.rideType;
    design.vehicleType = c.vehicleType;
    design.operatingMode = c.operatingMode;
    design.trains = c.trains;
    design.carsPerTrain = c.cars;
    CDecoderDoc doc;
    FillDocument(doc, design);
    RecordingScreen screen;
    ListTrackToScreen(doc, 1, screen);
    RecordingFile file;
    ListTrackToFile(doc, 1, file);

    SCOPED_TRACE(c.rideText);
    EXPECT_EQ(screen.fields[FormField::RideType], c.rideText);
    EXPECT_EQ(screen.fields[FormField::VehicleType], c.vehicleText);
    EXPECT_EQ(screen.fields[FormField::OperatingMode], c.modeText);
    EXPECT_EQ(file.text, "Filename:\ttrack.td4\nRide Type:\t" + std::string(c.rideText) + "\nVehicle Type:\t" +
                             c.vehicleText + "\nOperating Mode:\t" + c.modeText + "\n\n");
  }
}

TEST(ListTrackTest, EditionFollowsTheChecksumFlagsThenTheFlagByte) {
  struct Case {
    int badChecksum, altChecksum;
    std::uint8_t flags;
    const char* edition;
  };
  const Case cases[] = {
      {1, 1, 0x04, "Unknown"},  {0, 1, 0x04, "Merovale"},        {0, 0, 0x04, "Zanthera"},
      {0, 0, 0xFB, "Original Tivora"},
  };
  for (const Case& c : cases) {
    DesignDescription design;
    design.flags = c.flags;
    CDecoderDoc doc;
    FillDocument(doc, design);
    doc.m_bBadChecksum = c.badChecksum;
    doc.m_bAltChecksum = c.altChecksum;
    RecordingScreen screen;
    ListTrackToScreen(doc, 1, screen);
    EXPECT_EQ(screen.fields[FormField::FileFormat], c.edition);
  }
}

TEST(ListTrackTest, FilenameIsThePartAfterTheLastSlash) {
  const std::pair<const char*, const char*> cases[] = {
      {"/designs/track.td4", "track.td4"},
      {"relative/dir/My Coaster.td4", "My Coaster.td4"},
      {"no-folder.td4", "no-folder.td4"},
      {"/designs/back\\slash.td4", "back\\slash.td4"},  // a backslash belongs to the name here
  };
  for (const auto& [path, name] : cases) {
    CDecoderDoc doc;
    FillDocument(doc, {}, path);
    RecordingFile file;
    ListTrackToFile(doc, 1, file);
    EXPECT_EQ(file.text.substr(0, file.text.find('\n')), std::string("Filename:\t") + name);
  }
}

TEST(ListTrackTest, HedgeMazeListsItsHeaderOnly) {
  DesignDescription maze = SevenLineExample();
  maze.rideType = 20;
  maze.vehicleType = 50;
  maze.operatingMode = 11;
  CDecoderDoc doc;
  FillDocument(doc, maze, "/designs/maze.td4");
  RecordingScreen screen;
  screen.lines = {"line of an earlier design"};
  ListTrackToScreen(doc, 1, screen);
  RecordingFile file;
  ListTrackToFile(doc, 1, file);

  EXPECT_TRUE(screen.lines.empty());
  EXPECT_EQ(screen.fields[FormField::RideType], "Hedge Maze");
  EXPECT_EQ(screen.fields[FormField::SegmentCount], "Track segments (10 total):");
  EXPECT_EQ(file.text,
            "Filename:\tmaze.td4\nRide Type:\tHedge Maze\nVehicle Type:\tScrambled Eggs arms and cars (1 6-car "
            "train)\nOperating Mode:\tMaze Mode\n\n");
  EXPECT_TRUE(ListSegments(doc, 1).empty());
}

TEST(ListTrackTest, WithoutADesignOnlyTheListIsEmptied) {
  CDecoderDoc doc;
  RecordingScreen screen;
  screen.fields[FormField::RideType] = "kept";
  screen.lines = {"line of an earlier design"};
  ListTrackToScreen(doc, 1, screen);
  RecordingFile file;
  ListTrackToFile(doc, 1, file);

  EXPECT_TRUE(screen.lines.empty());
  EXPECT_EQ(screen.fields.size(), 1u);
  EXPECT_EQ(screen.fields[FormField::RideType], "kept");
  EXPECT_EQ(file.text, "");
}

TEST(ListTrackTest, FailedWriteIsReportedOnceAndEndsTheListing) {
  CDecoderDoc doc;
  FillDocument(doc, SevenLineExample());
  ScriptedMessageBox boxes;
  RecordingFile file(7);  // four header lines and two segment lines get through
  ListTrackToFile(doc, 1, file);

  const std::string expected = kSevenLineFileText;
  EXPECT_EQ(file.text, expected.substr(0, expected.find("0004")));
  ASSERT_EQ(boxes.Shown().size(), 1u);
  const MessageBoxRequest& box = boxes.Shown()[0];
  EXPECT_EQ(box.text, "Error writing output file");
  EXPECT_EQ(box.caption, "Track Decoder");
  EXPECT_EQ(box.type, unsigned(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(box.owner, MessageOwner::View);
}

}  // namespace
