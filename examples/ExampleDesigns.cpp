#include "examples/ExampleDesigns.h"

#include <initializer_list>

#include "vocabulary/SegmentCodes.h"

namespace {

constexpr std::uint8_t kTerminal = SegmentFlag::Terminal;
constexpr std::uint8_t kChainLift = SegmentFlag::ChainLift;

// count copies of one segment, for the long straight runs.
std::vector<SegmentEntry> Repeat(int count, SegmentEntry segment) { return std::vector<SegmentEntry>(count, segment); }

std::vector<SegmentEntry> Join(std::initializer_list<std::vector<SegmentEntry>> parts) {
  std::vector<SegmentEntry> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// A closed circuit, stored as circuits are stored: the End station second. It
// is shown from its Begin station: stations, a chain lift up to 6, a pair of
// large-radius curves, a drop into a vertical loop, and back along the ground.
ExampleDesign SmallCircuit() {
  ExampleDesign example{"small-circuit.td4", {}};
  DesignDescription& design = example.description;
  design.rideType = 19;      // Steel Corkscrew Roller Coaster
  design.vehicleType = 0;    // Rollercoaster train
  design.operatingMode = 1;  // Continuous Circuit Mode
  design.trains = 2;
  design.carsPerTrain = 5;
  design.segments = Join({
      {{3}, {1, kTerminal}, {0}},  // Middle station, End station, Level
      {{6, kChainLift}},           // Level to up
      Repeat(4, {4, kChainLift}),  // Up
      {{9, kChainLift}},           // Up to level
      {{133}, {135}},              // Left-hand curve (large radius), ortho to ortho
      {{12}},                      // Level to down
      Repeat(3, {10}),             // Down
      {{15}, {40}, {0}},           // Down to level, Vertical loop left, Level
      {{134}, {136}},              // Right-hand curve (large radius), ortho to ortho
      {{99, 4}},                   // Brakes, 18 mph
      Repeat(2, {16}),             // Left-hand curve
      {{2, kTerminal}},            // Begin station
  });
  return example;
}

// An open track in the later file edition: the stations, a launch by three
// boosters, and a climb to a vertical spike.
ExampleDesign Shuttle() {
  ExampleDesign example{"shuttle.td4", {}};
  DesignDescription& design = example.description;
  design.rideType = 15;      // Steel Roller Coaster
  design.vehicleType = 17;   // 'Rocket' cars
  design.operatingMode = 2;  // Reverse-Incline Launched Shuttle Mode
  design.flags = 0x04;       // later edition: the track list sits at offset 196
  design.trains = 1;
  design.carsPerTrain = 4;
  design.segments = Join({
      {{2, kTerminal}, {3}, {1, kTerminal}},  // Begin, Middle and End station
      Repeat(3, {100, 12}),                   // Booster, 54 mph
      Repeat(2, {0}),                         // Level
      {{6}, {7}},                             // Level to up, Up to up steep
      Repeat(3, {5}),                         // Up steep
      {{128}},                                // Up steep to vertical
      Repeat(2, {125}),                       // Vertical slope up
  });
  return example;
}

// A circuit whose chain lift climbs past the highest buildable elevation, 61,
// saved with the other edition's checksum.
ExampleDesign SkyHigh() {
  ExampleDesign example{"sky-high.td4", {}, kAltChecksumOffset};
  DesignDescription& design = example.description;
  design.rideType = 52;      // Wooden Twister Roller Coaster
  design.vehicleType = 2;    // Wooden rollercoaster train
  design.operatingMode = 0;  // Normal Mode
  design.trains = 3;
  design.carsPerTrain = 6;
  design.segments = Join({
      {{3}, {1, kTerminal}},        // Middle station, End station
      {{62, kChainLift}},           // Level to up steep
      Repeat(15, {5, kChainLift}),  // Up steep, to 63
      {{63}},                       // Up steep to level
      Repeat(2, {0}),               // Level
      {{64}},                       // Level to down steep
      Repeat(15, {11}),             // Down steep
      {{65}},                       // Down steep to level, back at 1
      Repeat(2, {17}),              // Right-hand curve
      {{99, 6}},                    // Brakes, 27 mph
      {{2, kTerminal}},             // Begin station
  });
  return example;
}

}  // namespace

const std::vector<ExampleDesign>& ExampleDesigns() {
  static const std::vector<ExampleDesign> examples = {SmallCircuit(), Shuttle(), SkyHigh()};
  return examples;
}
