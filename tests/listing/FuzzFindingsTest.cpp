// Inputs the fuzz target once found faults with, kept small and readable.

#include <gtest/gtest.h>

#include "tests/listing/ListingFixtures.h"

namespace {

TEST(FuzzFindingsTest, UnnamedSegmentCodeListsWithAnEmptyNameInBothForms) {
  // Code 101 has no name; its empty table entry has no characters to copy.
  DesignDescription design;
  design.segments = {{101, 0x80}, {205}};
  CDecoderDoc doc;
  FillDocument(doc, design);

  RecordingScreen screen;
  ListTrackToScreen(doc, 1, screen);
  EXPECT_EQ(screen.lines, (std::vector<std::string>{"1\t\t [chain lift] (1)", "2\t\t (1)"}));

  RecordingFile file;
  ListTrackToFile(doc, 1, file);
  EXPECT_NE(file.text.find("0002\t\t\t (1)\n"), std::string::npos);
}

}  // namespace
