#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "examples/ExampleDesigns.h"
#include "tests/cli/Td4Runner.h"
#include "tests/listing/ListingFixtures.h"
#include "tests/support/LoadedDocument.h"

namespace {

using Json = nlohmann::json;

// Every JSON document in text, one after another.
std::vector<Json> Documents(const std::string& text) {
  std::vector<Json> documents;
  std::istringstream stream(text);
  while ((stream >> std::ws).peek() != EOF) stream >> documents.emplace_back();
  return documents;
}

const std::map<ElevationCheck, std::string> kCheckNames = {
    {ElevationCheck::Level, "level"},
    {ElevationCheck::Changing, "changing"},
    {ElevationCheck::TooHigh, "too_high"},
    {ElevationCheck::TooLow, "too_low"},
};

// Each example, listed from 40 so that some lines leave the range: the JSON
// holds the header as described, every segment as the file holds it, and the
// lines as the listing groups them.
TEST(Td4JsonTest, ExamplesMatchTheirDescriptionsAndListing) {
  std::vector<std::string> args = {"list", "--json", "--start-elevation", "40"};
  for (const ExampleDesign& example : ExampleDesigns())
    args.push_back(std::string(EXAMPLES_DIR) + "/" + std::string(example.fileName));
  const Td4Result result = RunTd4(args);
  ASSERT_EQ(result.status, 0) << result.err;
  const std::vector<Json> documents = Documents(result.out);
  ASSERT_EQ(documents.size(), ExampleDesigns().size());

  for (std::size_t e = 0; e < documents.size(); ++e) {
    const ExampleDesign& example = ExampleDesigns()[e];
    const Json& design = documents[e];
    SCOPED_TRACE(example.fileName);
    DocumentFixture fixture;
    ASSERT_TRUE(
        fixture.Load(BuildDesignFile(example.description, example.checksumOffset), std::string(example.fileName)));
    const std::vector<ListingLine> lines = ListSegments(fixture.doc, 40);

    EXPECT_EQ(design["file"], example.fileName);
    EXPECT_EQ(design["edition"], EditionLabel(fixture.doc));
    EXPECT_EQ(design["ride_type"]["code"], example.description.rideType);
    EXPECT_EQ(design["vehicle_type"]["code"], example.description.vehicleType);
    EXPECT_EQ(design["vehicle_type"]["trains"], example.description.trains);
    EXPECT_EQ(design["vehicle_type"]["cars_per_train"], example.description.carsPerTrain);
    EXPECT_EQ(design["operating_mode"]["code"], example.description.operatingMode);
    EXPECT_EQ(design["start_elevation"], 40);
    EXPECT_EQ(design["segment_count"], example.description.segments.size());

    const Json& segments = design["segments"];
    ASSERT_EQ(segments.size(), std::size_t(fixture.doc.m_nSegments));
    for (std::size_t i = 0; i < segments.size(); ++i) {
      const TrackSegment& segment = fixture.doc.m_pSegments[i];
      EXPECT_EQ(segments[i]["number"], i + 1);
      EXPECT_EQ(segments[i]["code"], segment.code);
      EXPECT_EQ(segments[i]["flags"], segment.flags);
      EXPECT_EQ(segments[i]["start_elevation"], segment.startElevation);
      EXPECT_EQ(segments[i]["end_elevation"], segment.endElevation);
    }
    ASSERT_EQ(design["lines"].size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const Json& line = design["lines"][i];
      EXPECT_EQ(line["first"], lines[i].first + 1);
      EXPECT_EQ(line["last"], lines[i].last + 1);
      EXPECT_EQ(line["count"], lines[i].Count());
      EXPECT_EQ(line["text"], lines[i].Text());
      EXPECT_EQ(line["start_elevation"], lines[i].startElevation);
      EXPECT_EQ(line["end_elevation"], lines[i].endElevation);
      EXPECT_EQ(line["check"], kCheckNames.at(lines[i].check));
    }
  }
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
