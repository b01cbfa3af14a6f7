#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "examples/DesignBuilder.h"

// Size of the designs the codec benchmarks unpack and pack.
inline constexpr std::size_t kDesignBytes = 8 << 20;

// Design buffers of exactly length bytes that load as valid designs: a short
// circuit in the track list, then filler that gives the codec its character.

// No two neighbouring filler bytes are equal: the packer writes literal runs only.
std::vector<std::uint8_t> LiteralHeavyDesign(std::size_t length);

// Filler of long runs (hundreds to thousands of equal bytes): repeat runs only.
std::vector<std::uint8_t> RunHeavyDesign(std::size_t length);

// A realistic design (header, circuit, scenery) repeated until length is reached.
std::vector<std::uint8_t> MixedDesign(std::size_t length);

// A circuit of segmentCount segments shaped like real coasters: stations, a
// chain lift, drops, curves, brakes; about half the listing lines are grouped.
DesignDescription CircuitDescription(int segmentCount);
