#include "listing/TrackTrace.h"

#include <algorithm>
#include <cmath>

namespace {

// Between the track and the bar of its stations; the thinnest stretch that shows.
constexpr double kStationGap = 3;
constexpr double kThinnestMark = 3;

}  // namespace

scene::Rect Stretch(double x0, double x1, double y, double height, scene::Ink fill) {
  const double width = std::max(x1 - x0, kThinnestMark);
  return {(x0 + x1 - width) / 2, y, width, height, fill};
}

TrackTracer::TrackTracer(const ProfileLayout& layout, std::size_t segmentCount)
    : m_layout(layout),
      m_nSegments(segmentCount),
      m_nBins(std::min(segmentCount, std::max<std::size_t>(1, std::size_t(std::floor(layout.width))))) {}

void TrackTracer::Add(const ProfileSegment& segment) {
  const std::size_t index = m_nAdded++;
  if (index == m_nBinFirst) {
    m_binStyle = {};
    m_binStart = segment.startElevation;
    m_lowest = m_highest = {segment.startElevation, index};
  }
  m_binStyle.chainLift |= segment.chainLift;
  m_binStyle.outOfRange |= segment.outOfRange;
  m_binEnd = segment.endElevation;
  if (segment.endElevation < m_lowest.elevation) m_lowest = {segment.endElevation, index + 1};
  if (segment.endElevation > m_highest.elevation) m_highest = {segment.endElevation, index + 1};
  if (m_nAdded == (m_nBin + 1) * m_nSegments / m_nBins) EndBin();

  if (segment.station && !m_stationsFirst) {
    m_stationsFirst = index;
    m_stationsElevation = segment.startElevation;
  } else if (!segment.station && m_stationsFirst) {
    EndStations(index);
  }
}

// The bin's points after its start: the extremes that go beyond its two ends,
// in track order, then its end.
void TrackTracer::EndBin() {
  // Each segment starts where the one before it ends, so a stroke of the same
  // style simply goes on; a new one starts where the last one stopped.
  std::vector<TrackStroke>& strokes = m_track.strokes;
  if (strokes.empty() || strokes.back().style != m_binStyle)
    strokes.push_back({m_binStyle, {{m_layout.X(double(m_nBinFirst)), m_layout.Y(m_binStart)}}});
  std::vector<Reached> extremes;
  if (m_lowest.elevation < std::min(m_binStart, m_binEnd)) extremes.push_back(m_lowest);
  if (m_highest.elevation > std::max(m_binStart, m_binEnd)) extremes.push_back(m_highest);
  std::sort(extremes.begin(), extremes.end(),
            [](const Reached& a, const Reached& b) { return a.boundary < b.boundary; });
  std::vector<scene::Point>& points = strokes.back().points;
  for (const Reached& extreme : extremes)
    points.push_back({m_layout.X(double(extreme.boundary)), m_layout.Y(extreme.elevation)});
  points.push_back({m_layout.X(double(m_nAdded)), m_layout.Y(m_binEnd)});
  ++m_nBin;
  m_nBinFirst = m_nAdded;
}

void TrackTracer::EndStations(std::size_t end) {
  const double y = m_layout.Y(m_stationsElevation) + kStationGap;
  const scene::Rect next = Stretch(m_layout.X(double(*m_stationsFirst)), m_layout.X(double(end)), y,
                                   kStationThickness, scene::Ink::Station);
  m_stationsFirst.reset();
  if (m_bar && m_bar->y == next.y && next.x <= m_bar->x + m_bar->width) {
    m_bar->width = std::max(m_bar->x + m_bar->width, next.x + next.width) - m_bar->x;
    return;
  }
  if (m_bar) m_track.stations.push_back(*m_bar);
  m_bar = next;
}

TracedTrack TrackTracer::Finish() {
  if (m_stationsFirst) EndStations(m_nAdded);
  if (m_bar) m_track.stations.push_back(*m_bar);
  return std::move(m_track);
}

TracedTrack TraceTrack(const ElevationProfile& profile, const ProfileLayout& layout) {
  TrackTracer tracer(layout, profile.segments.size());
  for (const ProfileSegment& segment : profile.segments) tracer.Add(segment);
  return tracer.Finish();
}

TracedTrack TraceDesign(CDecoderDoc& doc, std::int32_t startElevation, const ProfileLayout& layout) {
  TrackTracer tracer(layout, std::size_t(std::max(0, layout.segmentCount)));
  ForEachProfileSegment(doc, startElevation, [&](const ListingLine&, const ProfileSegment& segment) {
    tracer.Add(segment);
  });
  return tracer.Finish();
}
