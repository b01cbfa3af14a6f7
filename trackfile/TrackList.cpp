#include <algorithm>
#include <new>

#include "trackfile/DecoderDoc.h"
#include "vocabulary/SegmentCodes.h"

namespace {

constexpr int kTrackListOffset = 56;
constexpr int kLaterTrackListOffset = 196;
constexpr std::uint8_t kLaterTrackListFlag = 0x04;

}  // namespace

void CDecoderDoc::ParseTrackList() {
  m_nSegments = 0;
  if (!m_pData) return;
  // Nothing may be read past the valid bytes: a buffer too short to say where
  // its track list is, or whose list has no end marker, holds no usable track.
  if (m_nDataLen <= 7) throw CTrackDataException();
  const int start = (m_pData[7] & kLaterTrackListFlag) ? kLaterTrackListOffset : kTrackListOffset;
  int end = start;
  while (end < m_nDataLen && m_pData[end] != SegmentCode::EndOfTrack) end += 2;
  if (end >= m_nDataLen) throw CTrackDataException();

  m_pTrackList = m_pData + start;
  const int count = (end - start) / 2;
  m_pSegments.reset();
  try {
    m_pSegments = std::make_unique_for_overwrite<TrackSegment[]>(std::size_t(count));
  } catch (const std::bad_alloc&) {
    throw CMemoryException();
  }
  for (int k = 0; k < count; ++k) m_pSegments[k] = {m_pTrackList[2 * k], m_pTrackList[2 * k + 1], 0, 0};
  m_nSegments = count;

  if (count == 0) return;
  const std::uint8_t first = m_pSegments[0].code;
  if (first == SegmentCode::EndStation || first == SegmentCode::BeginStation) {
    m_bOpenCircuit = 1;
    return;
  }
  if (first == SegmentCode::MiddleStation) {
    // Rotating towards the back until a piece other than a Middle station
    // leads takes one step per Middle station at the end of the list, plus one.
    const auto trailing = std::find_if(m_pSegments.get() + 1, m_pSegments.get() + count,
                                       [](const TrackSegment& s) { return s.code != SegmentCode::MiddleStation; });
    if (trailing != m_pSegments.get() + count) {
      int atEnd = 0;
      while (m_pSegments[count - 1 - atEnd].code == SegmentCode::MiddleStation) ++atEnd;
      RotateSegmentsBy(-(atEnd + 1));
    }
    m_bOpenCircuit = 0;
  } else if (count >= 2 && m_pSegments[1].code == SegmentCode::EndStation) {
    RotateSegmentsBy(1);
    m_bOpenCircuit = 0;
  }
  StoreTrackList();
}

void CDecoderDoc::RotateSegments(int direction) { RotateSegmentsBy(direction ? 1 : -1); }

void CDecoderDoc::RotateSegmentsBy(int places) {
  if (m_nSegments < 2) return;
  const int toFront = ((places % m_nSegments) + m_nSegments) % m_nSegments;
  TrackSegment* begin = m_pSegments.get();
  std::rotate(begin, begin + toFront, begin + m_nSegments);
}

void CDecoderDoc::StoreTrackList() {
  for (int k = 0; k < m_nSegments; ++k) {
    m_pTrackList[2 * k] = m_pSegments[k].code;
    m_pTrackList[2 * k + 1] = m_pSegments[k].flags;
  }
}

int CDecoderDoc::RotationToFileOrder() const {
  const int count = m_nSegments;
  if (count < 2) return 0;
  const auto code = [&](int index) { return m_pSegments[index % count].code; };
  if (code(1) != SegmentCode::EndStation && code(0) == SegmentCode::EndStation) return -1;
  // Leading Begin and Middle stations move to the end until the End station is
  // second; a list of nothing else stops after one full turn, where it began.
  int places = 0;
  while (places < count && code(places + 1) != SegmentCode::EndStation &&
         (code(places) == SegmentCode::BeginStation || code(places) == SegmentCode::MiddleStation))
    ++places;
  return places % count;
}
