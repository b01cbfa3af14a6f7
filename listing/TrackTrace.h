#pragma once

#include <vector>

#include "listing/ElevationProfile.h"
#include "listing/ProfileLayout.h"
#include "listing/Scene.h"

// How a stretch of track is drawn: out of range in the warning colour, a chain
// lift thicker, and in its own colour while in range.
struct TrackStyle {
  bool chainLift = false;
  bool outOfRange = false;

  friend bool operator==(const TrackStyle&, const TrackStyle&) = default;
};

// A stretch of track in one style, through points in picture units.
struct TrackStroke {
  TrackStyle style;
  std::vector<scene::Point> points;
};

// The track as strokes. A track with more segments than the plot is wide is
// gathered into one bin per unit of width, so that drawing it costs a few
// points per column whatever its length: a bin keeps the elevation where it
// starts and ends and, where they go beyond those, its lowest and highest, in
// the order the track reaches them. A bin is drawn as chain lift, or as out of
// range, when any of its segments is.
std::vector<TrackStroke> TraceTrack(const ElevationProfile& profile, const ProfileLayout& layout);
