#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

struct TrackSegment;

// What a segment's code and flags mean to the listing. A flag bit means
// something only for some codes: the terminal bit for stations, the speed
// setting for brakes and boosters, chain lift and inversion for the rest.

bool IsStation(std::uint8_t code);
bool HasSpeedSetting(std::uint8_t code);

// The name a segment is listed under: the water coaster's own names for its
// water track, else the segment name table's entry, which may be empty.
std::string_view SegmentName(std::uint8_t code, bool waterCoaster);

// A brake's or booster's speed setting (0..15) in miles per hour, rounded down.
unsigned SpeedMph(unsigned setting);

// The flag bits that mean something for the segment's code.
struct SegmentFlagMeaning {
  bool chainLift = false;
  bool inverted = false;
  bool terminal = false;
  std::optional<unsigned> speedSetting;  // brakes and boosters only
};

SegmentFlagMeaning MeaningOfFlags(const TrackSegment& segment);
