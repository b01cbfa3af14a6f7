#include "listing/ProfileLayout.h"

#include <algorithm>
#include <string>

#include "listing/ProfileAxes.h"

namespace {

// Room between the plot's edges and the band or the track, so that neither
// touches the frame and a station's bar below the track stays inside.
constexpr double kPlotPadding = 12;

// The legend above the plot, the segment numbers and the axis title below it.
constexpr double kTopMargin = 26;
constexpr double kBottomMargin = 34;
// Between a label and the picture's edge.
constexpr double kEdgeGap = 4;

// A thumbnail's plot leaves room for its frame, and for a station's bar below
// the lowest track.
constexpr double kThumbnailEdge = 0.5;
constexpr double kThumbnailPadding = 9;

}  // namespace

ProfileExtent ExtentOf(const ElevationProfile& profile) {
  return {int(profile.segments.size()), profile.lowest, profile.highest};
}

ProfileExtent MeasureProfile(CDecoderDoc& doc, std::int32_t startElevation) {
  ProfileExtent extent;
  ForEachProfileSegment(doc, startElevation, [&](const ListingLine&, const ProfileSegment& segment) {
    if (extent.segmentCount++ == 0) extent.lowest = extent.highest = segment.startElevation;
    extent.lowest = std::min({extent.lowest, segment.startElevation, segment.endElevation});
    extent.highest = std::max({extent.highest, segment.startElevation, segment.endElevation});
  });
  return extent;
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

namespace {

// The picture's size and the elevations and segments its plot spans.
ProfileLayout Spanning(const ProfileExtent& extent, double pictureWidth, double pictureHeight) {
  ProfileLayout layout;
  layout.pictureWidth = pictureWidth;
  layout.pictureHeight = pictureHeight;
  layout.lowElevation = std::min(extent.lowest, kLowestBuildableElevation);
  layout.highElevation = std::max(extent.highest, kHighestBuildableElevation);
  layout.segmentCount = std::max(0, extent.segmentCount);
  return layout;
}

}  // namespace

double TextScaleForFont(double legendPixelSize) { return legendPixelSize / kLegendLabelSize; }

ProfileLayout LayOutProfile(const ProfileExtent& extent, double pictureWidth, double pictureHeight,
                            const scene::ITextMeasure& measure, double textScale) {
  ProfileLayout layout = Spanning(extent, pictureWidth, pictureHeight);
  layout.textScale = textScale;
  layout.top = kTopMargin * textScale;
  layout.height = std::max(1.0, pictureHeight - (kTopMargin + kBottomMargin) * textScale);
  layout.padding = std::min(kPlotPadding, layout.height / 4);
  layout.elevationMarks = MarkElevations(layout, extent);

  const auto labelWidth = [&](long long number) { return measure.Width(std::to_string(number), layout.AxisLabelSize()); };
  double widestElevation = 0;
  for (const ElevationMark& mark : layout.elevationMarks)
    if (mark.labelY) widestElevation = std::max(widestElevation, labelWidth(mark.elevation));
  // The first and last segment numbers are centred under their segments, near the plot's edges.
  const bool numbered = layout.segmentCount > 0;
  const double firstHalf = numbered ? labelWidth(1) / 2 : 0;
  const double lastHalf = numbered ? labelWidth(layout.segmentCount) / 2 : 0;
  layout.left = kEdgeGap + std::max(widestElevation + layout.LabelGap(), firstHalf);
  const double right = kEdgeGap + std::max(layout.LabelGap(), lastHalf);
  layout.width = std::max(1.0, pictureWidth - layout.left - right);
  layout.segmentNumbers = NumberSegments(layout, measure);
  return layout;
}

ProfileLayout LayOutThumbnail(const ProfileExtent& extent, double pictureWidth, double pictureHeight) {
  ProfileLayout layout = Spanning(extent, pictureWidth, pictureHeight);
  layout.left = layout.top = kThumbnailEdge;
  layout.width = std::max(1.0, pictureWidth - 2 * kThumbnailEdge);
  layout.height = std::max(1.0, pictureHeight - 2 * kThumbnailEdge);
  layout.padding = std::min(kThumbnailPadding, layout.height / 4);
  layout.elevationMarks = {{kLowestBuildableElevation, true, std::nullopt},
                           {kHighestBuildableElevation, true, std::nullopt}};
  return layout;
}
