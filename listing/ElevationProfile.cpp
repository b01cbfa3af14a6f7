#include "listing/ElevationProfile.h"

#include <algorithm>

#include "listing/SegmentMeaning.h"
#include "trackfile/DecoderDoc.h"

namespace {

// Room between the plot's edges and the band or the track, so that neither
// touches the frame and a station's bar below the track stays inside.
constexpr double kPlotPadding = 12;

// Margins of the plot inside the picture: elevation labels on the left, the
// legend above, segment numbers below.
constexpr double kLeftMargin = 44;
constexpr double kRightMargin = 14;
constexpr double kTopMargin = 26;
constexpr double kBottomMargin = 34;

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

double ProfileLayout::X(double boundary) const {
  return segmentCount > 0 ? left + boundary * width / segmentCount : left;
}

double ProfileLayout::Y(double elevation) const {
  return top + padding + (highElevation - elevation) * (height - 2 * padding) / (double(highElevation) - lowElevation);
}

double ProfileLayout::ElevationAt(double y) const {
  return highElevation - (y - top - padding) * (double(highElevation) - lowElevation) / (height - 2 * padding);
}

int ProfileLayout::SegmentAt(double x) const {
  if (segmentCount == 0 || x < left || x >= left + width) return -1;
  return std::min(int((x - left) * segmentCount / width), segmentCount - 1);
}

ProfileLayout LayOutProfile(const ElevationProfile& profile, double pictureWidth, double pictureHeight) {
  ProfileLayout layout;
  layout.left = kLeftMargin;
  layout.top = kTopMargin;
  layout.width = std::max(1.0, pictureWidth - kLeftMargin - kRightMargin);
  layout.height = std::max(1.0, pictureHeight - kTopMargin - kBottomMargin);
  layout.padding = std::min(kPlotPadding, layout.height / 4);
  layout.lowElevation = std::min(profile.lowest, kLowestBuildableElevation);
  layout.highElevation = std::max(profile.highest, kHighestBuildableElevation);
  layout.segmentCount = int(profile.segments.size());
  return layout;
}
