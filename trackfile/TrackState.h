#pragma once

#include <cstdint>
#include <vector>

#include "trackfile/TrackSegment.h"

class CDecoderDoc;

// What Mirror Track and Reverse Track change in a document: the segment array
// and the track list in the design buffer, whose order can differ from the
// array's. Taken before and after a change, it puts either side back exactly.
struct TrackState {
  std::vector<TrackSegment> segments;
  std::vector<std::uint8_t> trackList;

  bool operator==(const TrackState&) const = default;
};

// The document's segment array and the track list entries it mirrors.
TrackState CaptureTrackState(const CDecoderDoc& doc);

// Puts a captured state back. Requires the document to hold the design the
// state was captured from, so that the array and the track list keep their sizes.
void RestoreTrackState(CDecoderDoc& doc, const TrackState& state);
