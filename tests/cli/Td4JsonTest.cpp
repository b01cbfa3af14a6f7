#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/cli/Td4Runner.h"
#include "tests/listing/ListingFixtures.h"
#include "tests/support/GoldenDesigns.h"

namespace {

using Json = nlohmann::json;

// Compared as JSON values, so that only the layout of the text may differ.
// Run beside the example, so that its path as given is its plain name.
TEST(Td4JsonTest, ShuttleFrom40MatchesTheGoldenFile) {
  Td4Options besideTheExample;
  besideTheExample.folder = EXAMPLES_DIR;
  const Td4Result result = RunTd4({"list", "--json", "--start-elevation", "40", "shuttle.td4"}, besideTheExample);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(Json::parse(result.out), Json::parse(ReadGolden("shuttle-from-40.json")));
}

// The flag bits decoded only where they mean something for the code.
TEST(Td4JsonTest, SegmentFlagsAreDecodedByCode) {
  DesignDescription design;
  design.rideType = 74;  // a Water Coaster, which names its own water track
  design.segments = {{2, 0x08 | 0x80}, {99, 0x80 | 0x05}, {100, 0x0C}, {4, 0x80 | 0x40}, {68, 0x08}};
  struct Expected {
    const char* name;
    bool chainLift, inverted, terminal;
    Json speed;
  };
  const Expected expected[] = {
      {"Begin station", false, false, true, nullptr},
      {"Brakes", false, false, false, {{"setting", 5}, {"mph", 22}}},
      {"Booster", false, false, false, {{"setting", 12}, {"mph", 54}}},
      {"Up", true, true, false, nullptr},
      {"Level water track", false, false, false, nullptr},
  };
  TempFolder folder;
  const Td4Result result = RunTd4({"list", "--json", folder.Write("water.td4", BuildDesignFile(design))});
  ASSERT_EQ(result.status, 0) << result.err;
  const Json document = Json::parse(result.out);
  EXPECT_EQ(document["ride_type"]["name"], "Water Coaster");
  EXPECT_EQ(document["vehicle_type"]["cars_per_train"], 1);  // a Water Coaster runs single boats
  const Json& segments = document["segments"];
  ASSERT_EQ(segments.size(), std::size(expected));
  for (std::size_t i = 0; i < segments.size(); ++i) {
    EXPECT_EQ(segments[i]["name"], expected[i].name) << i;
    EXPECT_EQ(segments[i]["chain_lift"], expected[i].chainLift) << i;
    EXPECT_EQ(segments[i]["inverted"], expected[i].inverted) << i;
    EXPECT_EQ(segments[i]["terminal"], expected[i].terminal) << i;
    EXPECT_EQ(segments[i]["speed"], expected[i].speed) << i;
  }
}

TEST(Td4JsonTest, RefusalsAndUsageErrors) {
  TempFolder folder;
  const Td4Result missing = RunTd4({"list", "--json", folder.Path("missing.td4")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  const Td4Result both = RunTd4({"list", "--json", "--screen", folder.Path("missing.td4")});
  EXPECT_EQ(both.status, 2);
}

}  // namespace
