#include <algorithm>
#include <span>

#include "trackfile/DecoderDoc.h"
#include "trackfile/MirrorCode.h"
#include "vocabulary/GeometryTables.h"
#include "vocabulary/SegmentCodes.h"

namespace {

bool IsStationPiece(std::uint8_t code) {
  return code >= SegmentCode::EndStation && code <= SegmentCode::MiddleStation;
}

bool CannotRunBackwards(const TrackSegment& segment) {
  return (segment.flags & SegmentFlag::ChainLift) || segment.code == SegmentCode::LaunchedLiftHill;
}

// After a reversal the stations end the array. Rotating one place at a time
// towards the back moves them to the front, stopping once a piece other than a
// station ends the array or a Begin station leads. Returns how many places that
// takes, worked out without rotating; a list of nothing but stations without a
// Begin station stops after one full turn, where it began.
int PlacesToBringStationsForward(std::span<const TrackSegment> segments) {
  const int count = int(segments.size());
  if (count == 0 || segments[count - 1].code != SegmentCode::EndStation ||
      segments[0].code == SegmentCode::BeginStation)
    return 0;
  // After rotating by places, the last record is the one that stood at
  // count - 1 - places and the first the one that stood at count - places.
  int places = 1;
  while (places < count && IsStationPiece(segments[count - 1 - places].code) &&
         segments[count - places].code != SegmentCode::BeginStation)
    ++places;
  return places % count;
}

}  // namespace

bool CDecoderDoc::CanReverse() const {
  return std::ranges::none_of(std::span(m_pSegments.get(), std::size_t(m_nSegments)), CannotRunBackwards);
}

void CDecoderDoc::MirrorTrack() {
  bool changed = false;
  for (TrackSegment& segment : std::span(m_pSegments.get(), std::size_t(m_nSegments))) {
    const std::uint8_t mirrored = MirrorCode(segment.code);
    changed |= mirrored != segment.code;
    segment.code = mirrored;
  }
  StoreTrackList();
  // A mirror is an edit like any other: closing or replacing the design must ask
  // before it is lost. Only a design without a handed piece stays as it was.
  if (changed) SetModifiedFlag(true);
}

int CDecoderDoc::ReverseTrack() {
  if (!CanReverse()) return 1;
  const std::span segments(m_pSegments.get(), std::size_t(m_nSegments));

  for (std::size_t i = 0; i < segments.size(); ++i) {
    // A leading End station stays one, so that once the order is reversed the
    // station rotation finds it last and brings it back to the front.
    if (i == 0 && segments[i].code == SegmentCode::EndStation) continue;
    segments[i].code = ReverseCode(segments[i].code);
  }
  // Reversed in place, records whole: no second array to allocate, so nothing
  // can fail halfway through.
  std::ranges::reverse(segments);
  SetModifiedFlag(true);

  RotateSegmentsBy(-PlacesToBringStationsForward(segments));
  StoreTrackList();
  return 0;
}
