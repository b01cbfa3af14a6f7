#include <gtest/gtest.h>

#include "tests/cli/Td4Runner.h"
#include "tests/listing/ListingFixtures.h"
#include "tests/support/Bytes.h"

namespace {

std::string Example(const char* name) { return std::string(EXAMPLES_DIR) + "/" + name; }

TEST(Td4CheckTest, PrintsALinePerDesignAndExitsThreeWhenALineLeavesTheRange) {
  const std::string circuit = Example("small-circuit.td4");
  const std::string shuttle = Example("shuttle.td4");
  const std::string skyHigh = Example("sky-high.td4");
  TempFolder folder;
  DesignDescription descent;  // a station at the start elevation, then two Down pieces
  descent.segments = {{2, 0x08}, {10}, {10}};
  const std::string low = folder.Write("low.td4", BuildDesignFile(descent));
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;
  };
  const Case cases[] = {
      {{circuit, shuttle},
       0,
       circuit + "\tOriginal Tivora\t24 segments\t0 too high\t0 too low\tfits with starting elevations 1..56\n" + shuttle +
           "\tZanthera\t16 segments\t0 too high\t0 too low\tfits with starting elevations 1..32\n"},
      {{circuit, skyHigh},
       3,
       circuit + "\tOriginal Tivora\t24 segments\t0 too high\t0 too low\tfits with starting elevations 1..56\n" + skyHigh +
           "\tMerovale\t42 segments\t5 too high\t0 too low\tfits at no starting elevation\n"},
      {{"--start-elevation", "61", circuit}, 3, circuit + "\tOriginal Tivora\t24 segments\t8 too high\t0 too low\tfits with starting elevations 1..56\n"},
      {{low}, 3, low + "\tOriginal Tivora\t3 segments\t0 too high\t1 too low\tfits with starting elevations 3..61\n"},
      {{"-e", "3", low}, 0, low + "\tOriginal Tivora\t3 segments\t0 too high\t0 too low\tfits with starting elevations 3..61\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"check"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Td4Result result = RunTd4(args);
    EXPECT_EQ(result.status, c.status) << testing::PrintToString(args);
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.err, "");
  }
}

TEST(Td4CheckTest, AFileThatCannotBeLoadedExitsOneEvenWhenAnotherIsOutOfRange) {
  TempFolder folder;
  const std::string missing = folder.Path("missing.td4");
  const std::string skyHigh = Example("sky-high.td4");
  const Td4Result result = RunTd4({"check", missing, skyHigh});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, missing + "\tnot loaded\n" + skyHigh + "\tMerovale\t42 segments\t5 too high\t0 too low\tfits at no starting elevation\n");
  EXPECT_EQ(result.err, "td4: " + missing + ": " + missing + " was not found.\n");
}

TEST(Td4CheckTest, AWrongChecksumIsNotLoadedUnlessAnsweredYes) {
  TempFolder folder;
  Bytes file = BuildDesignFile(SevenLineExample());
  file.back() ^= 0x5A;
  const std::string bad = folder.Write("bad.td4", file);
  EXPECT_EQ(RunTd4({"check", bad}).status, 1);
  const Td4Result accepted = RunTd4({"check", "--yes", bad});
  EXPECT_EQ(accepted.status, 0);
  EXPECT_EQ(accepted.out, bad + "\tUnknown\t10 segments\t0 too high\t0 too low\tfits with starting elevations 1..57\n");
}

}  // namespace
