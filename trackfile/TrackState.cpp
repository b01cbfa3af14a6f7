#include "trackfile/TrackState.h"

#include <algorithm>
#include <cassert>

#include "trackfile/DecoderDoc.h"

TrackState CaptureTrackState(const CDecoderDoc& doc) {
  TrackState state;
  if (doc.m_nSegments == 0) return state;
  state.segments.assign(doc.m_pSegments.get(), doc.m_pSegments.get() + doc.m_nSegments);
  state.trackList.assign(doc.m_pTrackList, doc.m_pTrackList + 2 * std::size_t(doc.m_nSegments));
  return state;
}

void RestoreTrackState(CDecoderDoc& doc, const TrackState& state) {
  assert(state.segments.size() == std::size_t(doc.m_nSegments));
  std::copy(state.segments.begin(), state.segments.end(), doc.m_pSegments.get());
  std::copy(state.trackList.begin(), state.trackList.end(), doc.m_pTrackList);
}
