#include "listing/ElevationProfile.h"

#include <algorithm>

#include "listing/ListingHeader.h"
#include "listing/SegmentMeaning.h"
#include "listing/SegmentPass.h"
#include "trackfile/DecoderDoc.h"

namespace {

bool IsMarked(ElevationCheck check) { return check == ElevationCheck::TooHigh || check == ElevationCheck::TooLow; }

}  // namespace

void ForEachProfileSegment(CDecoderDoc& doc, std::int32_t startElevation,
                           const std::function<void(const ListingLine&, const ProfileSegment&)>& each) {
  if (!doc.m_pData || IsMaze(doc)) return;
  SegmentPass pass(doc, startElevation);
  ListingLine line;
  for (int index = 0; pass.Next(line); ++index) {
    for (int i = line.first; i <= line.last; ++i) {
      const TrackSegment& segment = doc.m_pSegments[i];
      each(line, {segment.startElevation, segment.endElevation, index, IsStation(segment.code),
                  MeaningOfFlags(segment).chainLift, IsMarked(line.check)});
    }
  }
}

ElevationProfile MakeElevationProfile(CDecoderDoc& doc, std::int32_t startElevation) {
  ElevationProfile profile;
  profile.segments.reserve(std::size_t(std::max(0, doc.m_nSegments)));
  ForEachProfileSegment(doc, startElevation, [&](const ListingLine& line, const ProfileSegment& segment) {
    if (std::size_t(segment.line) == profile.lines.size()) profile.lines.push_back(line);
    if (profile.segments.empty()) profile.lowest = profile.highest = segment.startElevation;
    profile.segments.push_back(segment);
    profile.lowest = std::min({profile.lowest, segment.startElevation, segment.endElevation});
    profile.highest = std::max({profile.highest, segment.startElevation, segment.endElevation});
  });
  return profile;
}
