#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "trackfile/PackedCodec.h"

struct SegmentEntry {
  std::uint8_t code;
  std::uint8_t flags = 0;
};

// The parts of a track design that the program reads, written out readably.
// Every other header byte is 0.
struct DesignDescription {
  std::uint8_t rideType = 51;
  std::uint8_t vehicleType = 72;
  std::uint8_t operatingMode = 1;
  std::uint8_t flags = 0;  // design byte 7; bit 2 moves the track list to offset 196
  std::uint8_t trains = 1;
  std::uint8_t carsPerTrain = 6;
  std::vector<SegmentEntry> segments;
  // What follows the track list's end marker (scenery and the like): carried unchanged.
  std::vector<std::uint8_t> afterTrack = {0x00, 0x00, 0x00, 0x3C, 0x3C, 0x3C, 0x7F, 0x01};
};

// The unpacked design buffer of a description.
std::vector<std::uint8_t> BuildDesign(const DesignDescription& description);

// A whole design file: the design packed, then its trailer for the given offset.
std::vector<std::uint8_t> PackDesignFile(std::span<const std::uint8_t> design,
                                         std::uint32_t checksumOffset = kNormalChecksumOffset);

// Shorthand for PackDesignFile(BuildDesign(description)).
std::vector<std::uint8_t> BuildDesignFile(const DesignDescription& description,
                                          std::uint32_t checksumOffset = kNormalChecksumOffset);
