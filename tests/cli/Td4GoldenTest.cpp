#include <gtest/gtest.h>

#include "tests/cli/Td4Runner.h"
#include "tests/listing/ListingFixtures.h"
#include "tests/support/GoldenDesigns.h"
#include "tests/support/TempFolder.h"

namespace {

// The shipped example as built, or the fixture written into folder.
std::string DesignPath(const GoldenDesign& design, const TempFolder& folder) {
  if (design.example) return std::string(EXAMPLES_DIR) + "/" + design.FileName();
  return folder.Write(design.FileName(), design.File());
}

TEST(Td4GoldenTest, ListAndExportPrintTheGoldenFiles) {
  TempFolder folder;
  for (const GoldenDesign& design : GoldenDesigns()) {
    SCOPED_TRACE(design.name);
    const std::string path = DesignPath(design, folder);
    const std::string start = std::to_string(design.startElevation);

    const Td4Result file = RunTd4({"list", "--start-elevation", start, path});
    EXPECT_EQ(file.status, 0);
    EXPECT_EQ(file.err, "");
    EXPECT_EQ(file.out, ReadGolden(design.name + ".file.txt"));

    const Td4Result screen = RunTd4({"list", "--screen", "--start-elevation", start, path});
    EXPECT_EQ(screen.status, 0);
    EXPECT_EQ(screen.out, ReadGolden(design.name + ".screen.txt"));

    const std::string exported = folder.Path(design.name + ".txt");
    EXPECT_EQ(RunTd4({"export", "--start-elevation", start, path, exported}).status, 0);
    EXPECT_EQ(ReadText(exported), WithCarriageReturns(ReadGolden(design.name + ".file.txt")));
  }
}

TEST(Td4GoldenTest, SeveralFilesListOneAfterTheOther) {
  std::vector<std::string> args = {"list"};
  std::string expected;
  for (const GoldenDesign& design : GoldenDesigns()) {
    if (!design.example) continue;
    args.push_back(std::string(EXAMPLES_DIR) + "/" + design.FileName());
    expected += ReadGolden(design.name + ".file.txt");
  }
  const Td4Result result = RunTd4(args);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, expected);
}

}  // namespace
