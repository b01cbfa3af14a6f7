#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "listing/ListTrack.h"

class CDecoderDoc;

// One listed segment as the elevation profile shows it.
struct ProfileSegment {
  std::int32_t startElevation;
  std::int32_t endElevation;
  int line;  // index of the listing line that holds it
  bool station;
  bool chainLift;
  bool outOfRange;  // its line is marked too high or too low
};

// The elevation of every listed segment, in track order, with the listing's lines.
struct ElevationProfile {
  std::vector<ListingLine> lines;
  std::vector<ProfileSegment> segments;
  // Lowest and highest elevation the track reaches; the buildable range when it has no segments.
  std::int32_t lowest = kLowestBuildableElevation;
  std::int32_t highest = kHighestBuildableElevation;
};

// Lists the design from startElevation one line at a time and hands every
// listed segment, described from the elevations that the listing wrote into
// the document, to each in track order with the line that holds it; keeps
// nothing itself. No design, or a maze: no segment.
void ForEachProfileSegment(CDecoderDoc& doc, std::int32_t startElevation,
                           const std::function<void(const ListingLine&, const ProfileSegment&)>& each);

// Every listed segment and line of the design from startElevation, as
// ForEachProfileSegment hands them out. No design, or a maze: an empty profile.
ElevationProfile MakeElevationProfile(CDecoderDoc& doc, std::int32_t startElevation);
