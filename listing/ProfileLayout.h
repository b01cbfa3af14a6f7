#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "listing/ElevationProfile.h"
#include "listing/Scene.h"

// Pixel sizes of the profile's labels in picture files.
inline constexpr double kAxisLabelSize = 11;
inline constexpr double kLegendLabelSize = 12;
// Between an elevation label and the plot, in picture files.
inline constexpr double kLabelGap = 5;

// How much larger than in picture files the labels, and the room kept for
// them, are where the legend is written in a font of this pixel size: a window
// draws its profile in its own font.
double TextScaleForFont(double legendPixelSize);

// What the layout needs of a profile: how many segments, and the elevations the track reaches.
struct ProfileExtent {
  int segmentCount = 0;
  std::int32_t lowest = kLowestBuildableElevation;
  std::int32_t highest = kHighestBuildableElevation;
};

ProfileExtent ExtentOf(const ElevationProfile& profile);

// The extent of the design's profile from startElevation, as ExtentOf gives
// it for MakeElevationProfile, without keeping the profile.
ProfileExtent MeasureProfile(CDecoderDoc& doc, std::int32_t startElevation);

// A line across the plot at an elevation, with its label left of the plot
// where there is room for one.
struct ElevationMark {
  std::int32_t elevation = 0;
  bool bandEdge = false;         // 1 or 61: drawn in the band's edge colour
  std::optional<double> labelY;  // the middle of its label; usually the line's own y
};

// Where a profile goes in a picture: a plot area (in picture units) that spans
// the segments from left to right and the shown elevations from bottom to top,
// and the marks along both axes.
struct ProfileLayout {
  double pictureWidth = 0, pictureHeight = 0;
  double left = 0, top = 0, width = 0, height = 0;  // of the plot
  // The elevations that must show: the buildable range and the whole track.
  // They lie padding units inside the plot's top and bottom edges.
  std::int32_t lowElevation = kLowestBuildableElevation;
  std::int32_t highElevation = kHighestBuildableElevation;
  double padding = 0;
  int segmentCount = 0;
  std::vector<ElevationMark> elevationMarks;
  std::vector<long long> segmentNumbers;  // labelled under their segments, 1-based, ascending
  double textScale = 1;                   // of the labels and the room around them; 1 in picture files

  double AxisLabelSize() const { return kAxisLabelSize * textScale; }
  double LegendLabelSize() const { return kLegendLabelSize * textScale; }
  double LabelGap() const { return kLabelGap * textScale; }

  // Picture x of the boundary before segment (0-based) boundary; segmentCount is the end of the track.
  double X(double boundary) const;
  // Picture x of the middle of the segment numbered (1-based) number, where its label goes.
  double NumberX(long long number) const { return X(double(number) - 0.5); }
  double Y(double elevation) const;
  // The elevation at picture y, the inverse of Y.
  double ElevationAt(double y) const;
  // The 0-based segment under picture x, or -1 outside the plot or without segments.
  int SegmentAt(double x) const;
};

// Lays a profile out in a picture of the given size, with labels textScale
// times their size in picture files. The margins hold the labels, measured in
// the font they will be painted in, so none is cut off; no two labels overlap.
ProfileLayout LayOutProfile(const ProfileExtent& extent, double pictureWidth, double pictureHeight,
                            const scene::ITextMeasure& measure, double textScale = 1);

// Lays a profile out as a thumbnail: the plot fills the picture, with no room
// for labels; the band's edges are marked without them.
ProfileLayout LayOutThumbnail(const ProfileExtent& extent, double pictureWidth, double pictureHeight);
