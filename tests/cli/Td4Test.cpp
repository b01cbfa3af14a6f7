#include <gtest/gtest.h>

#include <optional>

#include "tests/cli/CircuitDesigns.h"
#include "tests/cli/Td4Runner.h"
#include "tests/listing/ListingFixtures.h"
#include "tests/support/Bytes.h"
#include "tests/support/StartElevationTexts.h"
#include "tests/support/TempFolder.h"

namespace {

Bytes WithWrongTrailer(Bytes file) {
  file.back() ^= 0x5A;
  return file;
}

// A folder holding the seven-line example as track.td4, and whatever a test adds.
struct DesignFolder {
  DesignFolder() : example(folder.Write("track.td4", BuildDesignFile(SevenLineExample()))) {}
  TempFolder folder;
  std::string example;
};

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The seven-line example as list --screen prints it, of the given edition.
std::string SevenLineScreenText(const std::string& edition) {
  std::string text =
      "Ride Type:\tSteel Twister Roller Coaster\nVehicle Type:\tTwister cars (1 6-car train)\n"
      "Operating Mode:\tContinuous Circuit Mode\nFile Format:\t" + edition + "\nTrack segments (10 total):\n";
  for (const std::string& line : kSevenLineScreenLines) text += line + "\n";
  return text;
}

TEST(Td4Test, ListsTheExampleInBothForms) {
  DesignFolder designs;
  const Td4Result file = RunTd4({"list", designs.example});
  EXPECT_EQ(file.status, 0);
  EXPECT_EQ(file.out, kSevenLineFileText);
  EXPECT_EQ(file.err, "");

  const Td4Result screen = RunTd4({"list", "--screen", designs.example});
  EXPECT_EQ(screen.status, 0);
  EXPECT_EQ(screen.out, SevenLineScreenText("Original Tivora"));
}

TEST(Td4Test, StartElevationIsCheckedAsTheElevationDialogChecksIt) {
  struct Case {
    const char* value;
    int status;
    const char* err;
  };
  const Case cases[] = {
      {"0", 2, "td4: Please enter an integer between 1 and 61.\n"},
      {"62", 2, "td4: Please enter an integer between 1 and 61.\n"},
      {"-5", 2, "td4: Please enter an integer between 1 and 61.\n"},
      {"seven", 2, "td4: Please enter an integer.\n"},
      {"12x", 2, "td4: Please enter an integer.\n"},
      {"61", 0, ""},
  };
  DesignFolder designs;
  for (const Case& c : cases) {
    const Td4Result result = RunTd4({"list", "--start-elevation", c.value, designs.example});
    EXPECT_EQ(result.status, c.status) << c.value;
    EXPECT_EQ(result.err, c.err) << c.value;
  }
  for (const StartElevationText& c : kStartElevationTexts) {
    const Td4Result result = RunTd4({"list", "-e", c.text, designs.example});
    const bool refused = *c.refusal != '\0';
    EXPECT_EQ(result.status, refused ? 2 : 0) << c.text;
    EXPECT_EQ(result.err, refused ? "td4: " + std::string(c.refusal) + "\n" : "") << c.text;
  }
  const Td4Result high = RunTd4({"list", "--start-elevation", "61", designs.example});
  EXPECT_NE(high.out.find("0001\t\t\tBegin station [terminal] (61)\n0002 - 0003\t2\tMiddle station (61)\n"
                          "0004\t\t\tLevel to up [chain lift] (TOO HIGH!)\n"),
            std::string::npos);
}

TEST(Td4Test, RefusedFilesExitOneWithTheirMessageAndPrintNothing) {
  DesignFolder designs;
  DesignDescription maze = SevenLineExample();
  maze.rideType = 20;
  struct Case {
    std::string path;
    std::string text;
  };
  const Case cases[] = {
      {designs.folder.Write("maze.td4", BuildDesignFile(maze)), "Hedge mazes are not supported"},
      {designs.folder.Write("short.td4", Bytes{0x00, 0x41, 0x00}), "Unexpected file format."},
      {designs.folder.Path("missing.td4"), designs.folder.Path("missing.td4") + " was not found."},
      {designs.folder.Write("empty.td4", Bytes{}), "The file holds no track design."},
      {designs.folder.Path(""), designs.folder.Path("") + " is a folder, not a file."},
  };
  for (const Case& c : cases) {
    const Td4Result result = RunTd4({"list", c.path});
    EXPECT_EQ(result.status, 1) << c.path;
    EXPECT_EQ(result.err, "td4: " + c.path + ": " + c.text + "\n");
    EXPECT_EQ(result.out, "");
  }
}

TEST(Td4Test, WrongChecksumIsRefusedUnlessAnsweredYes) {
  DesignFolder designs;
  const std::string bad = designs.folder.Write("bad.td4", WithWrongTrailer(BuildDesignFile(SevenLineExample())));

  const Td4Result refused = RunTd4({"list", "--screen", bad});
  EXPECT_EQ(refused.status, 1);
  const std::string hint = "td4: " + bad + ": answered No; --yes loads it anyway\n";
  EXPECT_TRUE(StartsWith(refused.err, "td4: " + bad + ": Checksum calculation failed.\nExpected = 0X")) << refused.err;
  EXPECT_TRUE(EndsWith(refused.err, "\n\nContinue anyway?\n" + hint)) << refused.err;
  EXPECT_EQ(refused.out, "");

  const Td4Result accepted = RunTd4({"list", "--screen", "--yes", bad});
  EXPECT_EQ(accepted.status, 0);
  EXPECT_EQ(accepted.err + hint, refused.err);
  EXPECT_EQ(accepted.out, SevenLineScreenText("Unknown"));
}

TEST(Td4Test, ExportWritesTheFileWithCarriageReturns) {
  DesignFolder designs;
  const std::string out = designs.folder.Path("list.txt");
  const Td4Result result = RunTd4({"export", designs.example, out});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(ReadText(out), WithCarriageReturns(kSevenLineFileText));
}

TEST(Td4Test, ExportFailuresExitOneWithTheirMessage) {
  DesignFolder designs;
  const std::pair<std::string, std::string> cases[] = {
      {designs.folder.Path("missing/list.txt"), "The folder " + designs.folder.Path("missing") + " does not exist."},
      {"/dev/full", "Disk full while accessing /dev/full."},
  };
  for (const auto& [out, text] : cases) {
    const Td4Result result = RunTd4({"export", designs.example, out});
    EXPECT_EQ(result.status, 1) << out;
    EXPECT_EQ(result.err, "td4: " + out + ": " + text + "\n");
  }
}

TEST(Td4Test, SaveRepacksWithAFreshTrailer) {
  DesignFolder designs;
  const std::string bad = designs.folder.Write("bad.td4", WithWrongTrailer(BuildDesignFile(SevenLineExample())));
  const std::string out = designs.folder.Path("saved.td4");

  const Td4Result refused = RunTd4({"save", bad, "-o", out});
  EXPECT_EQ(refused.status, 1);
  EXPECT_FALSE(std::filesystem::exists(out));

  const Td4Result saved = RunTd4({"save", "--yes", bad, "-o", out});
  EXPECT_EQ(saved.status, 0);
  EXPECT_EQ(ReadFileBytes(out), BuildDesignFile(SevenLineExample()));
}

DesignDescription OpenCircuit() {
  DesignDescription design;
  design.segments = {{1, 0x08}, {16}, {4}, {0}};
  return design;
}

TEST(Td4Test, MirrorAndReverseSaveTheChangedDesignUnlessRefusedOrDeclined) {
  const std::string question =
      "This appears to be an open circuit or \"shuttle mode\" track.\n"
      "Reversing this track may produce a track that cannot be built.\n"
      "Are you sure you want to continue?";
  const std::string declined = "answered No; --yes reverses it anyway";
  const std::string refusal = "Only self-powered rides (no lift chains) can be reversed.";
  DesignDescription closedWithChainLift = ClosedCircuit();
  closedWithChainLift.segments[3].flags = 0x80;
  DesignDescription openWithChainLift = OpenCircuit();
  openWithChainLift.segments[2].flags = 0x80;
  struct Case {
    std::vector<std::string> command;
    DesignDescription design;
    std::vector<std::string> messages;         // about the design's file, in order
    std::optional<DesignDescription> written;  // nothing: exits 1 without writing
  };
  const Case cases[] = {
      {{"mirror"}, ClosedCircuit(), {}, MirroredClosedCircuit()},
      {{"reverse"}, ClosedCircuit(), {}, ReversedClosedCircuit()},
      {{"mirror"}, OpenCircuit(), {}, WithSegments({{1, 0x08}, {17}, {4}, {0}})},
      {{"reverse", "--yes"}, OpenCircuit(), {question}, WithSegments({{1, 0x08}, {0}, {10}, {17}})},
      {{"reverse"}, OpenCircuit(), {question, declined}, std::nullopt},  // no --yes
      {{"reverse"}, closedWithChainLift, {refusal}, std::nullopt},
      {{"reverse", "--yes"}, openWithChainLift, {question, refusal}, std::nullopt},
  };
  for (const Case& c : cases) {
    DesignFolder designs;
    const std::string out = designs.folder.Path("out.td4");
    const std::string in = designs.folder.Write("in.td4", BuildDesignFile(c.design));
    std::vector<std::string> args = c.command;
    args.insert(args.end(), {in, "-o", out});
    const Td4Result result = RunTd4(args);
    EXPECT_EQ(result.status, c.written ? 0 : 1) << testing::PrintToString(args);
    std::string err;
    for (const std::string& message : c.messages) err += "td4: " + in + ": " + message + "\n";
    EXPECT_EQ(result.err, err);
    if (c.written)
      EXPECT_EQ(ReadFileBytes(out), BuildDesignFile(*c.written));
    else
      EXPECT_FALSE(std::filesystem::exists(out));
  }
}

TEST(Td4Test, UsageErrorsExitTwo) {
  const std::vector<std::string> cases[] = {
      {},
      {"frobnicate"},
      {"list"},
      {"list", "--bogus", "track.td4"},
      {"export", "track.td4"},
      {"save", "track.td4"},
      {"mirror", "track.td4"},
      {"reverse", "track.td4"},
  };
  for (const std::vector<std::string>& args : cases) {
    const Td4Result result = RunTd4(args);
    EXPECT_EQ(result.status, 2) << testing::PrintToString(args);
    EXPECT_NE(result.err, "");
  }
}

TEST(Td4Test, HelpAndVersion) {
  const Td4Result help = RunTd4({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* command : {"list", "export", "save", "mirror", "reverse"}) EXPECT_NE(help.out.find(command), std::string::npos);

  const Td4Result version = RunTd4({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "td4 (Tivora Track Decoder) 1.1\n");
}

}  // namespace
