#pragma once

#include <cstdint>

// The working record of one track segment. Code and flags come from the track
// list; the elevations are filled in by the listing and carry no meaning before.
struct TrackSegment {
  std::uint8_t code;
  std::uint8_t flags;
  std::int32_t startElevation;
  std::int32_t endElevation;

  bool operator==(const TrackSegment&) const = default;
};
