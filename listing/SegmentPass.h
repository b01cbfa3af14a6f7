#pragma once

#include <cstdint>

#include "listing/ListTrack.h"

class CDecoderDoc;

// Walks a design's segments once, from the first to the end of the track list,
// handing out one listing line at a time and writing every segment's
// elevations into its record on the way. The caller has made sure that a
// design is loaded and that it is not a maze.
class SegmentPass {
public:
  SegmentPass(CDecoderDoc& doc, std::int32_t startElevation);

  // Fills line with the next line; false once the pass has ended.
  bool Next(ListingLine& line);

private:
  TrackSegment* m_pSegments;
  int m_nSegments;
  int m_nNext = 0;
  bool m_bWaterCoaster;
};
