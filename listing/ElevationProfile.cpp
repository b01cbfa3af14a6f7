#include "listing/ElevationProfile.h"

#include <algorithm>

#include "listing/SegmentMeaning.h"
#include "trackfile/DecoderDoc.h"

namespace {

bool IsMarked(ElevationCheck check) { return check == ElevationCheck::TooHigh || check == ElevationCheck::TooLow; }

}  // namespace

ElevationProfile MakeElevationProfile(CDecoderDoc& doc, std::int32_t startElevation) {
  ElevationProfile profile;
  profile.lines = ListSegments(doc, startElevation);
  if (profile.lines.empty()) return profile;
  profile.segments.reserve(std::size_t(profile.lines.back().last) + 1);
  profile.lowest = profile.highest = profile.lines.front().startElevation;
  for (std::size_t index = 0; index < profile.lines.size(); ++index) {
    const ListingLine& line = profile.lines[index];
    for (int i = line.first; i <= line.last; ++i) {
      const TrackSegment& segment = doc.m_pSegments[i];
      profile.segments.push_back({segment.startElevation, segment.endElevation, int(index), IsStation(segment.code),
                                  MeaningOfFlags(segment).chainLift, IsMarked(line.check)});
      profile.lowest = std::min({profile.lowest, segment.startElevation, segment.endElevation});
      profile.highest = std::max({profile.highest, segment.startElevation, segment.endElevation});
    }
  }
  return profile;
}
