#include <gtest/gtest.h>

#include "listing/ListTrack.h"
#include "tests/listing/ListingFixtures.h"
#include "tests/support/GoldenDesigns.h"
#include "tests/support/LoadedDocument.h"

namespace {

// The screen form as td4 prints it: the form's texts, then the list's lines.
std::string ScreenText(RecordingScreen& screen) {
  std::string text = "Ride Type:\t" + screen.fields[FormField::RideType] + "\nVehicle Type:\t" +
                     screen.fields[FormField::VehicleType] + "\nOperating Mode:\t" +
                     screen.fields[FormField::OperatingMode] + "\nFile Format:\t" +
                     screen.fields[FormField::FileFormat] + "\n" + screen.fields[FormField::SegmentCount] + "\n";
  for (const std::string& line : screen.lines) text += line + "\n";
  return text;
}

// Each design loaded as the program loads it, so that it is listed in the
// order the program shows it.
TEST(GoldenListingTest, BothFormsMatchTheGoldenFiles) {
  for (const GoldenDesign& design : GoldenDesigns()) {
    SCOPED_TRACE(design.name);
    DocumentFixture fixture;
    ASSERT_TRUE(fixture.Load(design.File(), "/designs/" + design.FileName()));
    RecordingFile file;
    ListTrackToFile(fixture.doc, design.startElevation, file);
    EXPECT_EQ(file.text, ReadGolden(design.name + ".file.txt"));
    RecordingScreen screen;
    ListTrackToScreen(fixture.doc, design.startElevation, screen);
    EXPECT_EQ(ScreenText(screen), ReadGolden(design.name + ".screen.txt"));
  }
}

// Put in place directly rather than loaded, so that ride type 20, which the
// loader refuses as a maze, is named too.
TEST(GoldenListingTest, HeaderNamesMatchTheGoldenTable) {
  std::string table;
  for (unsigned code = 0; code < 256; ++code) {
    DesignDescription design;
    design.rideType = design.vehicleType = design.operatingMode = std::uint8_t(code);
    design.trains = design.carsPerTrain = 1;
    CDecoderDoc doc;
    FillDocument(doc, design);
    RecordingScreen screen;
    ListTrackToScreen(doc, 1, screen);
    table += std::to_string(code) + "\t" + screen.fields[FormField::RideType] + "\t" +
             screen.fields[FormField::VehicleType] + "\t" + screen.fields[FormField::OperatingMode] + "\n";
  }
  EXPECT_EQ(table, ReadGolden("header-names.txt"));
}

}  // namespace
