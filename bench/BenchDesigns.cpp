#include "bench/BenchDesigns.h"

#include <algorithm>
#include <random>

namespace {

// One lap of a coaster, readable: every entry is a piece and its flags. It
// climbs and falls by the same amount, so laps can follow one another.
const std::vector<SegmentEntry> kLap = {
    {2, 0x08},  {3, 0},     {3, 0},  {1, 0x08}, {0, 0},  {6, 0x80}, {4, 0x80}, {4, 0x80}, {4, 0x80},
    {9, 0x80},  {0, 0},     {16, 0}, {12, 0},   {10, 0}, {10, 0},   {10, 0},   {15, 0},   {133, 0},
    {135, 0},   {32, 0x40}, {33, 0x40}, {0, 0}, {17, 0}, {17, 0},   {6, 0},    {9, 0},    {12, 0},
    {15, 0},    {42, 0},    {43, 0},  {99, 5},  {99, 5}, {100, 9},  {0, 0},    {0, 0},
};

// Stands in for the scenery and settings that follow a real design's track list.
const std::vector<std::uint8_t> kScenery = {
    0x00, 0x00, 0x00, 0x3C, 0x3C, 0x3C, 0x7F, 0x01, 0x12, 0x04, 0x00, 0x00, 0x08, 0x09, 0x1A, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x05, 0x05, 0x05, 0x21, 0x37, 0x02, 0x00,
    0xFF, 0xFF, 0x40, 0x40, 0x40, 0x13, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};

// The header and a short circuit, without filler.
std::vector<std::uint8_t> DesignStart() {
  DesignDescription description;
  description.segments = kLap;
  description.afterTrack = {};
  return BuildDesign(description);
}

// Fills design up to length with runs whose lengths come from runLength, each a
// value other than the byte before it.
template <class RunLength>
std::vector<std::uint8_t> Filled(std::size_t length, RunLength runLength) {
  std::vector<std::uint8_t> design = DesignStart();
  std::mt19937 random(8);
  design.reserve(length);
  while (design.size() < length) {
    std::uint8_t value = std::uint8_t(random());
    if (value == design.back()) ++value;
    design.insert(design.end(), std::min(runLength(random), length - design.size()), value);
  }
  return design;
}

}  // namespace

std::vector<std::uint8_t> LiteralHeavyDesign(std::size_t length) {
  return Filled(length, [](std::mt19937&) { return std::size_t(1); });
}

std::vector<std::uint8_t> RunHeavyDesign(std::size_t length) {
  return Filled(length, [](std::mt19937& random) { return std::size_t(200 + random() % 4000); });
}

std::vector<std::uint8_t> MixedDesign(std::size_t length) {
  DesignDescription description;
  description.segments = kLap;
  description.afterTrack = kScenery;
  const std::vector<std::uint8_t> one = BuildDesign(description);
  std::vector<std::uint8_t> design;
  design.reserve(length + one.size());
  while (design.size() < length) design.insert(design.end(), one.begin(), one.end());
  design.resize(length);
  return design;
}

DesignDescription CircuitDescription(int segmentCount) {
  DesignDescription description;
  description.segments.reserve(std::size_t(segmentCount));
  while (int(description.segments.size()) < segmentCount) {
    const std::size_t take = std::min(kLap.size(), std::size_t(segmentCount) - description.segments.size());
    description.segments.insert(description.segments.end(), kLap.begin(), kLap.begin() + std::ptrdiff_t(take));
  }
  return description;
}
