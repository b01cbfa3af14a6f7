#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "listing/ElevationProfile.h"
#include "listing/ProfileLayout.h"
#include "listing/Scene.h"

class CDecoderDoc;

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

// Stations show as a bar this thick just below the track.
inline constexpr double kStationThickness = 5;

// The track as a picture draws it: its strokes, and a bar below each run of stations.
struct TracedTrack {
  std::vector<TrackStroke> strokes;
  std::vector<scene::Rect> stations;
};

// A horizontal stretch from x0 to x1, widened about its centre so that it shows however short it is.
scene::Rect Stretch(double x0, double x1, double y, double height, scene::Ink fill);

// Traces a track handed to it one segment at a time, in track order, keeping
// only what it has drawn. A track with more segments than the plot is wide is
// gathered into one bin per unit of width, so that drawing it costs a few
// points per column whatever its length: a bin keeps the elevation where it
// starts and ends and, where they go beyond those, its lowest and highest, in
// the order the track reaches them. A bin is drawn as chain lift, or as out of
// range, when any of its segments is. Bars of stations that touch at the same
// height become one, so that stations too cost a few bars per column.
class TrackTracer {
public:
  // segmentCount: how many segments Add will be given.
  TrackTracer(const ProfileLayout& layout, std::size_t segmentCount);

  void Add(const ProfileSegment& segment);

  // What was traced; call once, after the last segment.
  TracedTrack Finish();

private:
  // An elevation the track reaches, and the segment boundary where it first does.
  struct Reached {
    std::int32_t elevation;
    std::size_t boundary;
  };

  void EndBin();
  void EndStations(std::size_t end);

  const ProfileLayout& m_layout;
  std::size_t m_nSegments;
  std::size_t m_nBins;
  std::size_t m_nAdded = 0;
  // The bin being gathered: its number, first segment, style, elevations and extremes.
  std::size_t m_nBin = 0;
  std::size_t m_nBinFirst = 0;
  TrackStyle m_binStyle;
  std::int32_t m_binStart = 0, m_binEnd = 0;
  Reached m_lowest{}, m_highest{};
  // The run of stations going on: its first segment and its elevation.
  std::optional<std::size_t> m_stationsFirst;
  std::int32_t m_stationsElevation = 0;
  std::optional<scene::Rect> m_bar;  // the last bar, which the next may extend
  TracedTrack m_track;
};

// The profile's track, traced whole.
TracedTrack TraceTrack(const ElevationProfile& profile, const ProfileLayout& layout);

// The design's track listed from startElevation and traced on layout one
// segment at a time: memory in proportion to the picture's width, not to the
// track's length. layout is laid out for MeasureProfile of the same design.
TracedTrack TraceDesign(CDecoderDoc& doc, std::int32_t startElevation, const ProfileLayout& layout);
