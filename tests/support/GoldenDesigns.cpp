#include "tests/support/GoldenDesigns.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "examples/ExampleDesigns.h"
#include "vocabulary/SegmentCodes.h"

namespace {

constexpr std::uint8_t kTerminal = SegmentFlag::Terminal;
constexpr std::uint8_t kChainLift = SegmentFlag::ChainLift;
constexpr std::uint8_t kInverted = SegmentFlag::Inverted;

// A ride that dips below the ground and climbs back, listed from 3: every
// line shape that is too low, between lines within the range.
GoldenDesign BelowGround() {
  GoldenDesign golden{"below-ground", {}, kNormalChecksumOffset, 3};
  DesignDescription& design = golden.description;
  design.rideType = 60;      // River Ride, which counts one car whatever byte 37 says
  design.vehicleType = 69;   // Boats
  design.operatingMode = 1;  // Continuous Circuit Mode
  design.trains = 4;
  design.carsPerTrain = 3;
  design.segments = {
      {2, kTerminal},      // Begin station, at 3
      {64},                // Level to down steep, to 1
      {11},                // Down steep, to -3
      {10}, {10},          // Down, to -5
      {15},                // Down to level
      {0}, {0}, {0},       // Level
      {62},                // Level to up steep, to -3
      {5}, {5},            // Up steep, to 5
      {8},                 // Up steep to up, to 7
      {4}, {4}, {4},       // Up, to 10
      {9},                 // Up to level
      {1, kTerminal},      // End station
  };
  return golden;
}

// A Water Coaster, with its own names for three codes, and every kind of tag
// and turn suffix: terminal and plain stations, inverted and chain-lifted
// pieces, brakes and boosters with their speeds, an unnamed code, and the
// large-radius curves single and grouped in each direction.
GoldenDesign TagsAndTurns() {
  GoldenDesign golden{"tags-and-turns", {}};
  DesignDescription& design = golden.description;
  design.rideType = 74;      // Water Coaster
  design.vehicleType = 81;   // Water coaster boats
  design.operatingMode = 1;  // Continuous Circuit Mode
  design.trains = 2;
  design.carsPerTrain = 4;
  design.segments = {
      {2, kTerminal},              // Begin station [terminal]
      {1},                         // End station, without the terminal bit
      {68}, {81}, {82},            // the Water Coaster's own names
      {0, kInverted},              // Level [inverted]
      {0, kChainLift | kInverted},  // the chain lift bit differs: a line of its own
      {6, kChainLift | kInverted},  // Level to up, to 2
      {99, 5}, {99, kChainLift | 5},  // Brakes of one speed share a line: 22 mph
      {100, 15},                   // Booster, 67 mph
      {101, kChainLift},           // a code without a name
      {135}, {133},                // curve halves: diagonal to diagonal
      {139},                       // alone: diagonal to ortho
      {16, kTerminal},             // the terminal bit means nothing on a curve
      {137}, {139}, {137},         // three halves: ortho to diagonal
      {3, kTerminal}, {3},         // Middle stations share a line, tagged by the first
      {115},                       // the code named "Unknown"
  };
  return golden;
}

GoldenDesign EveryCodeFrom10() {
  GoldenDesign golden{"every-code", EveryCode()};
  // Low enough for the large half loops, high enough for the vertical loops:
  // every line stays within 1..61 and shows its elevations.
  golden.startElevation = 10;
  return golden;
}

}  // namespace

DesignDescription EveryCode() {
  DesignDescription design;  // Steel Twister Roller Coaster, Twister cars
  design.segments = {{0}, {2}, {1}};
  for (int code = 3; code < SegmentCode::EndOfTrack; ++code) design.segments.push_back({std::uint8_t(code)});
  return design;
}

DesignDescription EveryReversibleCode() {
  DesignDescription design = EveryCode();
  std::erase_if(design.segments,
                [](const SegmentEntry& segment) { return segment.code == SegmentCode::LaunchedLiftHill; });
  return design;
}

const std::vector<GoldenDesign>& GoldenDesigns() {
  static const std::vector<GoldenDesign> designs = [] {
    std::vector<GoldenDesign> all;
    for (const ExampleDesign& example : ExampleDesigns()) {
      std::string name(example.fileName.substr(0, example.fileName.rfind('.')));
      all.push_back({std::move(name), example.description, example.checksumOffset, 1, true});
    }
    for (GoldenDesign fixture : {BelowGround(), TagsAndTurns(), EveryCodeFrom10()}) all.push_back(std::move(fixture));
    return all;
  }();
  return designs;
}

std::string ReadGolden(std::string_view name) {
  const std::string path = std::string(TTD_GOLDEN_DIR) + "/" + std::string(name);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("no golden file " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
