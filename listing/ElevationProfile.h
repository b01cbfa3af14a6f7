#pragma once

#include <cstdint>
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

// Lists the design from startElevation, with ListSegments, and describes every
// listed segment from the elevations that the listing wrote into the document.
// No design, or a maze: an empty profile.
ElevationProfile MakeElevationProfile(CDecoderDoc& doc, std::int32_t startElevation);

// Where a profile goes in a picture: a plot area (in picture units) that spans
// the segments from left to right and the shown elevations from bottom to top.
struct ProfileLayout {
  double left = 0, top = 0, width = 0, height = 0;
  // The elevations that must show: the buildable range and the whole track.
  // They lie padding units inside the plot's top and bottom edges.
  std::int32_t lowElevation = 0;
  std::int32_t highElevation = 0;
  double padding = 0;
  int segmentCount = 0;

  // Picture x of the boundary before segment (0-based) boundary; segmentCount is the end of the track.
  double X(double boundary) const;
  double Y(double elevation) const;
  // The elevation at picture y, the inverse of Y.
  double ElevationAt(double y) const;
  // The 0-based segment under picture x, or -1 outside the plot or without segments.
  int SegmentAt(double x) const;
};

// Lays a profile out in a picture of the given size, leaving margins for
// labels and a legend.
ProfileLayout LayOutProfile(const ElevationProfile& profile, double pictureWidth, double pictureHeight);
