#include "listing/TrackTrace.h"

#include <algorithm>
#include <cmath>

namespace {

// An elevation the track reaches, and the segment boundary where it first does.
struct Reached {
  std::int32_t elevation;
  std::size_t boundary;
};

// The segments [first, end) seen as one piece of the picture.
struct Bin {
  std::size_t first, end;
  TrackStyle style;
  Reached lowest, highest;
};

Bin Gather(const std::vector<ProfileSegment>& segments, std::size_t first, std::size_t end) {
  const std::int32_t start = segments[first].startElevation;
  Bin bin{first, end, {}, {start, first}, {start, first}};
  for (std::size_t i = first; i < end; ++i) {
    const ProfileSegment& segment = segments[i];
    bin.style.chainLift |= segment.chainLift;
    bin.style.outOfRange |= segment.outOfRange;
    if (segment.endElevation < bin.lowest.elevation) bin.lowest = {segment.endElevation, i + 1};
    if (segment.endElevation > bin.highest.elevation) bin.highest = {segment.endElevation, i + 1};
  }
  return bin;
}

// The bin's points after its start: the extremes that go beyond its two ends,
// in track order, then its end.
std::vector<scene::Point> InnerAndEndPoints(const Bin& bin, const std::vector<ProfileSegment>& segments,
                                              const ProfileLayout& layout) {
  const std::int32_t start = segments[bin.first].startElevation;
  const std::int32_t end = segments[bin.end - 1].endElevation;
  std::vector<Reached> extremes;
  if (bin.lowest.elevation < std::min(start, end)) extremes.push_back(bin.lowest);
  if (bin.highest.elevation > std::max(start, end)) extremes.push_back(bin.highest);
  std::sort(extremes.begin(), extremes.end(),
            [](const Reached& a, const Reached& b) { return a.boundary < b.boundary; });
  std::vector<scene::Point> points;
  for (const Reached& extreme : extremes)
    points.push_back({layout.X(double(extreme.boundary)), layout.Y(extreme.elevation)});
  points.push_back({layout.X(double(bin.end)), layout.Y(end)});
  return points;
}

}  // namespace

std::vector<TrackStroke> TraceTrack(const ElevationProfile& profile, const ProfileLayout& layout) {
  const std::vector<ProfileSegment>& segments = profile.segments;
  std::vector<TrackStroke> strokes;
  if (segments.empty()) return strokes;
  const std::size_t columns = std::max<std::size_t>(1, std::size_t(std::floor(layout.width)));
  const std::size_t bins = std::min(segments.size(), columns);
  std::size_t first = 0;
  for (std::size_t index = 0; index < bins; ++index) {
    const std::size_t end = (index + 1) * segments.size() / bins;
    const Bin bin = Gather(segments, first, end);
    // Each segment starts where the one before it ends, so a stroke of the
    // same style simply goes on; a new one starts where the last one stopped.
    if (strokes.empty() || strokes.back().style != bin.style)
      strokes.push_back({bin.style, {{layout.X(double(first)), layout.Y(segments[first].startElevation)}}});
    const std::vector<scene::Point> points = InnerAndEndPoints(bin, segments, layout);
    strokes.back().points.insert(strokes.back().points.end(), points.begin(), points.end());
    first = end;
  }
  return strokes;
}
