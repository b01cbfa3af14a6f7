#include "listing/ProfileScene.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "listing/TrackTrace.h"

namespace {

using picture::Anchor;
using picture::Color;
using picture::FilledRect;
using picture::Label;
using picture::Point;
using picture::Polyline;
using picture::Scene;

constexpr double kLabelSize = 11;
constexpr double kLegendSize = 12;
// Roughly how wide a lowercase letter or digit is, as a share of the label size.
constexpr double kCharacterWidth = 0.56;

constexpr double kTrackWidth = 2;
constexpr double kChainLiftWidth = 4.5;
// Stations show as a bar just below the track, at least this wide.
constexpr double kStationGap = 3;
constexpr double kStationThickness = 5;
constexpr double kThinnestMark = 3;

// Closest the centres of two segment numbers, or of two elevation labels, may come.
constexpr double kSegmentLabelSpacing = 56;
constexpr double kElevationLabelSpacing = 14;

double TextWidth(const std::string& text, double size) { return double(text.size()) * size * kCharacterWidth; }

Color StrokeColor(TrackStyle style) {
  if (style.outOfRange) return ProfilePalette::kOutOfRange;
  return style.chainLift ? ProfilePalette::kChainLift : ProfilePalette::kTrack;
}

double StrokeWidth(TrackStyle style) { return style.chainLift ? kChainLiftWidth : kTrackWidth; }

// The smallest of 1, 2 and 5 times a power of ten that is at least least.
long long NiceStep(double least) {
  long long power = 1;
  while (true) {
    for (const long long factor : {1, 2, 5})
      if (double(factor * power) >= least) return factor * power;
    power *= 10;
  }
}

// A horizontal stretch from x0 to x1, widened about its centre to at least kThinnestMark.
FilledRect Stretch(double x0, double x1, double y, double height, Color fill) {
  const double width = std::max(x1 - x0, kThinnestMark);
  return {(x0 + x1 - width) / 2, y, width, height, fill};
}

Polyline HorizontalLine(const ProfileLayout& layout, double y, Color color) {
  return {{{layout.left, y}, {layout.left + layout.width, y}}, color, 1};
}

class ProfileDrawing {
public:
  ProfileDrawing(const ElevationProfile& profile, double width, double height)
      : m_profile(profile), m_layout(LayOutProfile(profile, width, height)) {
    m_scene.width = width;
    m_scene.height = height;
  }

  Scene Draw(std::optional<int> selectedLine) {
    DrawBand();
    DrawElevationGrid();
    if (selectedLine) DrawSelection(*selectedLine);
    for (TrackStroke& stroke : TraceTrack(m_profile, m_layout))
      Add(Polyline{std::move(stroke.points), StrokeColor(stroke.style), StrokeWidth(stroke.style)});
    DrawStations();
    DrawFrame();
    DrawSegmentNumbers();
    DrawLegend();
    return std::move(m_scene);
  }

private:
  void Add(picture::Primitive primitive) { m_scene.primitives.push_back(std::move(primitive)); }

  void AddLabel(Point at, std::string text, double size, Anchor anchor) {
    Add(Label{at, std::move(text), size, ProfilePalette::kText, anchor});
  }

  void DrawBand() {
    const ProfileLayout& l = m_layout;
    Add(FilledRect{l.left, l.top, l.width, l.height, ProfilePalette::kOutsideBand});
    const double bandTop = l.Y(kHighestBuildableElevation);
    Add(FilledRect{l.left, bandTop, l.width, l.Y(kLowestBuildableElevation) - bandTop, ProfilePalette::kBand});
  }

  // Faint lines at round elevations, stronger ones at the band's edges, all labelled.
  void DrawElevationGrid() {
    const ProfileLayout& l = m_layout;
    const double lowest = l.ElevationAt(l.top + l.height);
    const double highest = l.ElevationAt(l.top);
    const long long step = NiceStep(2 * kElevationLabelSpacing * (highest - lowest) / l.height);
    const double edges[] = {l.Y(kLowestBuildableElevation), l.Y(kHighestBuildableElevation)};
    const long long firstRound = static_cast<long long>(std::floor(lowest / double(step))) + 1;
    for (long long elevation = firstRound * step; elevation < highest; elevation += step) {
      const double y = l.Y(double(elevation));
      Add(HorizontalLine(l, y, ProfilePalette::kGrid));
      if (std::abs(y - edges[0]) >= kElevationLabelSpacing && std::abs(y - edges[1]) >= kElevationLabelSpacing)
        AddLabel({l.left - 5, y}, std::to_string(elevation), kLabelSize, Anchor::End);
    }
    for (const std::int32_t edge : {kLowestBuildableElevation, kHighestBuildableElevation}) {
      Add(HorizontalLine(l, l.Y(edge), ProfilePalette::kBandEdge));
      AddLabel({l.left - 5, l.Y(edge)}, std::to_string(edge), kLabelSize, Anchor::End);
    }
  }

  void DrawSelection(int selectedLine) {
    if (selectedLine < 0 || std::size_t(selectedLine) >= m_profile.lines.size()) return;
    const ListingLine& line = m_profile.lines[std::size_t(selectedLine)];
    Add(Stretch(m_layout.X(line.first), m_layout.X(line.last + 1), m_layout.top, m_layout.height,
                ProfilePalette::kSelection));
  }

  void DrawStations() {
    const std::vector<ProfileSegment>& segments = m_profile.segments;
    for (std::size_t first = 0; first < segments.size();) {
      std::size_t end = first + 1;
      if (!segments[first].station) {
        first = end;
        continue;
      }
      while (end < segments.size() && segments[end].station) ++end;
      const double y = m_layout.Y(segments[first].startElevation) + kStationGap;
      Add(Stretch(m_layout.X(double(first)), m_layout.X(double(end)), y, kStationThickness, ProfilePalette::kStation));
      first = end;
    }
  }

  void DrawFrame() {
    const ProfileLayout& l = m_layout;
    const double right = l.left + l.width;
    const double bottom = l.top + l.height;
    Add(Polyline{{{l.left, l.top}, {right, l.top}, {right, bottom}, {l.left, bottom}, {l.left, l.top}},
                 ProfilePalette::kFrame,
                 1});
  }

  // Segment numbers (1-based) under their segments: the first, round ones, and the last.
  void DrawSegmentNumbers() {
    const ProfileLayout& l = m_layout;
    const double y = l.top + l.height + 10;
    AddLabel({l.left + l.width, y + 13}, "segment", kLabelSize, Anchor::End);
    const long long count = l.segmentCount;
    if (count == 0) {
      AddLabel({l.left + l.width / 2, l.top + l.height / 2}, "no segments", kLegendSize, Anchor::Middle);
      return;
    }
    const long long step = NiceStep(kSegmentLabelSpacing * double(count) / l.width);
    std::vector<long long> numbers = {1};
    const auto centre = [&l](long long number) { return l.X(double(number) - 0.5); };
    for (long long number = step; number <= count; number += step)
      if (centre(number) - centre(numbers.back()) >= kSegmentLabelSpacing) numbers.push_back(number);
    if (numbers.back() != count) {
      if (numbers.size() > 1 && centre(count) - centre(numbers.back()) < kSegmentLabelSpacing) numbers.pop_back();
      numbers.push_back(count);
    }
    for (const long long number : numbers)
      AddLabel({centre(number), y}, std::to_string(number), kLabelSize, Anchor::Middle);
  }

  // Above the plot, from left to right: what each colour and mark means, as far as there is room.
  void DrawLegend() {
    const double y = m_layout.top / 2;
    double x = 6;
    const auto entry = [&](const std::string& text, picture::Primitive swatch) {
      if (x + 22 + TextWidth(text, kLegendSize) > m_scene.width) return;
      Add(std::move(swatch));
      AddLabel({x + 22, y}, text, kLegendSize, Anchor::Start);
      x += 22 + TextWidth(text, kLegendSize) + 18;
    };
    const auto stroke = [&](TrackStyle style) {
      return Polyline{{{x, y}, {x + 16, y}}, StrokeColor(style), StrokeWidth(style)};
    };
    entry("buildable 1-61", FilledRect{x, y - 6, 16, 12, ProfilePalette::kBand});
    entry("track", stroke({}));
    entry("chain lift", stroke({.chainLift = true}));
    entry("out of range", stroke({.outOfRange = true}));
    entry("station", FilledRect{x, y - kStationThickness / 2, 16, kStationThickness, ProfilePalette::kStation});
  }

  const ElevationProfile& m_profile;
  ProfileLayout m_layout;
  Scene m_scene;
};

}  // namespace

Scene DrawProfile(const ElevationProfile& profile, double width, double height, std::optional<int> selectedLine) {
  return ProfileDrawing(profile, width, height).Draw(selectedLine);
}
