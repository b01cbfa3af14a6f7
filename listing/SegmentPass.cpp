#include "listing/SegmentPass.h"

#include <algorithm>
#include <array>

#include "listing/ListingHeader.h"
#include "listing/SegmentMeaning.h"
#include "trackfile/DecoderDoc.h"
#include "vocabulary/GeometryTables.h"
#include "vocabulary/SegmentCodes.h"

namespace {

constexpr std::uint8_t kFirstLargeRadiusCurve = 133;
constexpr std::uint8_t kLastLargeRadiusCurve = 140;

bool IsLargeRadiusCurve(std::uint8_t code) { return code >= kFirstLargeRadiusCurve && code <= kLastLargeRadiusCurve; }

// The large-radius curves that begin on the grid and end on the diagonal;
// the other four begin on the diagonal and end on the grid.
bool LeavesTheGrid(std::uint8_t code) { return code == 133 || code == 134 || code == 137 || code == 138; }

std::string_view SpeedTag(unsigned setting) {
  static const std::array<std::string, 16> tags = [] {
    std::array<std::string, 16> texts;
    for (unsigned s = 0; s < texts.size(); ++s) texts[s] = " [" + std::to_string(SpeedMph(s)) + " mph]";
    return texts;
  }();
  return tags[setting];
}

std::string_view Tags(const TrackSegment& segment) {
  if (IsStation(segment.code)) return (segment.flags & SegmentFlag::Terminal) ? " [terminal]" : "";
  if (HasSpeedSetting(segment.code)) return SpeedTag(segment.flags & SegmentFlag::SpeedMask);
  static constexpr std::array<std::string_view, 4> kLiftAndInversion = {"", " [inverted]", " [chain lift]",
                                                                       " [chain lift] [inverted]"};
  const bool chainLift = segment.flags & SegmentFlag::ChainLift;
  const bool inverted = segment.flags & SegmentFlag::Inverted;
  return kLiftAndInversion[(chainLift ? 2 : 0) | (inverted ? 1 : 0)];
}

// Wraps instead of overflowing, whatever start elevation a caller passes.
std::int32_t EndElevation(const TrackSegment& segment) {
  return std::int32_t(std::uint32_t(segment.startElevation) + std::uint32_t(ElevationDelta(segment.code)));
}

ElevationCheck Check(std::int32_t start, std::int32_t end) {
  if (start > kHighestBuildableElevation || end > kHighestBuildableElevation) return ElevationCheck::TooHigh;
  if (start < kLowestBuildableElevation || end < kLowestBuildableElevation) return ElevationCheck::TooLow;
  return start == end ? ElevationCheck::Level : ElevationCheck::Changing;
}

}  // namespace

bool SegmentsMatch(const TrackSegment& a, const TrackSegment& b) {
  if (a.code == b.code) {
    if (HasSpeedSetting(a.code)) return (a.flags & SegmentFlag::SpeedMask) == (b.flags & SegmentFlag::SpeedMask);
    return (a.flags & SegmentFlag::ChainLift) == (b.flags & SegmentFlag::ChainLift);
  }
  // A large-radius curve followed by its other half, of the same hand and banking.
  const std::uint8_t lower = std::min(a.code, b.code);
  const std::uint8_t higher = std::max(a.code, b.code);
  return IsLargeRadiusCurve(lower) && LeavesTheGrid(lower) && higher == lower + 2;
}

std::string ListingLine::Text() const {
  std::string text;
  text.reserve(name.size() + tags.size() + turnStart.size() + turnEnd.size());
  text.append(name).append(tags).append(turnStart).append(turnEnd);
  return text;
}

SegmentPass::SegmentPass(CDecoderDoc& doc, std::int32_t startElevation)
    : m_pSegments(doc.m_pSegments.get()),
      m_nSegments(doc.m_nSegments),
      m_bWaterCoaster(DesignByte(doc, DesignOffset::RideType) == RideType::WaterCoaster) {
  if (m_nSegments > 0) m_pSegments[0].startElevation = startElevation;
}

bool SegmentPass::Next(ListingLine& line) {
  if (m_nNext >= m_nSegments) return false;
  TrackSegment* const segments = m_pSegments;
  int i = m_nNext;
  if (i > 0) segments[i].startElevation = segments[i - 1].endElevation;
  // The end marker, should a record hold it, ends the listing.
  if (segments[i].code == SegmentCode::EndOfTrack) {
    m_nNext = m_nSegments;
    return false;
  }
  const int first = i;
  // Each segment is compared with its successor, not with the first of the run.
  while (i < m_nSegments - 1 && SegmentsMatch(segments[i], segments[i + 1])) {
    segments[i].endElevation = EndElevation(segments[i]);
    ++i;
    segments[i].startElevation = segments[i - 1].endElevation;
  }
  segments[i].endElevation = EndElevation(segments[i]);
  m_nNext = i + 1;

  const TrackSegment& head = segments[first];
  line.first = first;
  line.last = i;
  line.name = SegmentName(head.code, m_bWaterCoaster);
  line.tags = Tags(head);
  const bool turns = IsLargeRadiusCurve(head.code);
  line.turnStart = !turns ? "" : LeavesTheGrid(head.code) ? ", ortho to " : ", diagonal to ";
  line.turnEnd = !turns ? "" : LeavesTheGrid(segments[i].code) ? "diagonal" : "ortho";
  line.startElevation = head.startElevation;
  line.endElevation = segments[i].endElevation;
  line.check = Check(line.startElevation, line.endElevation);
  return true;
}

std::vector<ListingLine> ListSegments(CDecoderDoc& doc, std::int32_t startElevation) {
  std::vector<ListingLine> lines;
  if (!doc.m_pData || IsMaze(doc)) return lines;
  SegmentPass pass(doc, startElevation);
  ListingLine line;
  while (pass.Next(line)) lines.push_back(line);
  return lines;
}
