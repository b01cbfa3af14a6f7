#include "listing/ProfileScene.h"

#include <algorithm>
#include <string>

#include "listing/TrackTrace.h"

namespace {

using scene::Anchor;
using scene::Ink;
using scene::Label;
using scene::Point;
using scene::Polyline;
using scene::Rect;

constexpr double kTrackWidth = 2;
constexpr double kChainLiftWidth = 4.5;
// Stations show as a bar just below the track, at least this wide.
constexpr double kStationGap = 3;
constexpr double kStationThickness = 5;
constexpr double kThinnestMark = 3;

// Below the plot: a short tick over each segment number, the numbers, then the axis title.
constexpr double kTickLength = 3;
constexpr double kNumberRow = 10;
constexpr double kTitleRow = 23;

// Legend entries: a swatch, the text beside it, then room before the next entry.
constexpr double kSwatchWidth = 16;
constexpr double kSwatchToText = 6;
constexpr double kEntryGap = 18;

Ink StrokeInk(TrackStyle style) {
  if (style.outOfRange) return Ink::OutOfRange;
  return style.chainLift ? Ink::ChainLift : Ink::Track;
}

double StrokeWidth(TrackStyle style) { return style.chainLift ? kChainLiftWidth : kTrackWidth; }

// A horizontal stretch from x0 to x1, widened about its centre to at least kThinnestMark.
Rect Stretch(double x0, double x1, double y, double height, Ink fill) {
  const double width = std::max(x1 - x0, kThinnestMark);
  return {(x0 + x1 - width) / 2, y, width, height, fill};
}

class ProfileDrawing {
public:
  ProfileDrawing(const ElevationProfile& profile, const ProfileLayout& layout, const scene::ITextMeasure& measure)
      : m_profile(profile), m_layout(layout), m_measure(measure) {
    m_scene.title = "Elevation profile";
    m_scene.width = layout.pictureWidth;
    m_scene.height = layout.pictureHeight;
  }

  scene::Scene Draw(std::optional<int> selectedLine) {
    DrawPlot(selectedLine);
    DrawSegmentNumbers();
    DrawLegend();
    return std::move(m_scene);
  }

  scene::Scene DrawPlotOnly() {
    DrawPlot(std::nullopt);
    return std::move(m_scene);
  }

private:
  void Add(scene::Shape shape) { m_scene.shapes.push_back(std::move(shape)); }

  void DrawPlot(std::optional<int> selectedLine) {
    DrawBand();
    DrawElevationMarks();
    if (selectedLine) DrawSelection(*selectedLine);
    for (TrackStroke& stroke : TraceTrack(m_profile, m_layout))
      Add(Polyline{std::move(stroke.points), StrokeInk(stroke.style), StrokeWidth(stroke.style)});
    DrawStations();
    DrawFrame();
  }

  void DrawBand() {
    const ProfileLayout& l = m_layout;
    Add(Rect{l.left, l.top, l.width, l.height, Ink::Base});
    const double bandTop = l.Y(kHighestBuildableElevation);
    Add(Rect{l.left, bandTop, l.width, l.Y(kLowestBuildableElevation) - bandTop, Ink::Band});
  }

  void DrawElevationMarks() {
    const ProfileLayout& l = m_layout;
    for (const ElevationMark& mark : l.elevationMarks) {
      const double y = l.Y(mark.elevation);
      Add(Polyline{{{l.left, y}, {l.left + l.width, y}}, mark.bandEdge ? Ink::BandEdge : Ink::Grid, 1});
      if (mark.labelY)
        Add(Label{{l.left - kLabelGap, *mark.labelY}, std::to_string(mark.elevation), kAxisLabelSize, Anchor::End});
    }
  }

  void DrawSelection(int selectedLine) {
    if (selectedLine < 0 || std::size_t(selectedLine) >= m_profile.lines.size()) return;
    const ListingLine& line = m_profile.lines[std::size_t(selectedLine)];
    Add(Stretch(m_layout.X(line.first), m_layout.X(line.last + 1), m_layout.top, m_layout.height, Ink::Selection));
  }

  // One bar per run of stations; bars that touch at the same height become one, so
  // that a long track costs a few bars per column of the picture, not one per station.
  void DrawStations() {
    const std::vector<ProfileSegment>& segments = m_profile.segments;
    std::optional<Rect> bar;
    for (std::size_t first = 0; first < segments.size();) {
      std::size_t end = first + 1;
      if (!segments[first].station) {
        first = end;
        continue;
      }
      while (end < segments.size() && segments[end].station) ++end;
      const double y = m_layout.Y(segments[first].startElevation) + kStationGap;
      const Rect next = Stretch(m_layout.X(double(first)), m_layout.X(double(end)), y, kStationThickness, Ink::Station);
      if (bar && bar->y == next.y && next.x <= bar->x + bar->width) {
        bar->width = std::max(bar->x + bar->width, next.x + next.width) - bar->x;
      } else {
        if (bar) Add(*bar);
        bar = next;
      }
      first = end;
    }
    if (bar) Add(*bar);
  }

  void DrawFrame() {
    const ProfileLayout& l = m_layout;
    const double right = l.left + l.width;
    const double bottom = l.top + l.height;
    Add(Polyline{{{l.left, l.top}, {right, l.top}, {right, bottom}, {l.left, bottom}, {l.left, l.top}}, Ink::Frame, 1});
  }

  void DrawSegmentNumbers() {
    const ProfileLayout& l = m_layout;
    const double bottom = l.top + l.height;
    if (l.segmentCount == 0) {
      Add(Label{{l.left + l.width / 2, l.top + l.height / 2}, "no segments", kLegendLabelSize, Anchor::Middle});
      return;
    }
    for (const long long number : l.segmentNumbers) {
      const double x = l.NumberX(number);
      Add(Polyline{{{x, bottom}, {x, bottom + kTickLength}}, Ink::Frame, 1});
      Add(Label{{x, bottom + kNumberRow}, std::to_string(number), kAxisLabelSize, Anchor::Middle});
    }
    Add(Label{{l.left + l.width, bottom + kTitleRow}, "segment", kAxisLabelSize, Anchor::End});
  }

  // Above the plot, from left to right: what each colour and mark means, up to the first that has no room.
  void DrawLegend() {
    const double y = m_layout.top / 2;
    double x = m_layout.left;
    bool full = false;
    const auto entry = [&](const std::string& text, scene::Shape swatch) {
      const double textX = x + kSwatchWidth + kSwatchToText;
      const double end = textX + m_measure.Width(text, kLegendLabelSize);
      full = full || end > m_scene.width - kLabelGap;
      if (full) return;
      Add(std::move(swatch));
      Add(Label{{textX, y}, text, kLegendLabelSize, Anchor::Start});
      x = end + kEntryGap;
    };
    const auto stroke = [&](TrackStyle style) {
      return Polyline{{{x, y}, {x + kSwatchWidth, y}}, StrokeInk(style), StrokeWidth(style)};
    };
    entry("buildable 1-61", Rect{x, y - 6, kSwatchWidth, 12, Ink::Band});
    entry("track", stroke({}));
    entry("chain lift", stroke({.chainLift = true}));
    entry("out of range", stroke({.outOfRange = true}));
    entry("station", Rect{x, y - kStationThickness / 2, kSwatchWidth, kStationThickness, Ink::Station});
  }

  const ElevationProfile& m_profile;
  const ProfileLayout& m_layout;
  const scene::ITextMeasure& m_measure;
  scene::Scene m_scene;
};

}  // namespace

scene::Scene DrawProfile(const ElevationProfile& profile, const ProfileLayout& layout,
                         const scene::ITextMeasure& measure, std::optional<int> selectedLine) {
  return ProfileDrawing(profile, layout, measure).Draw(selectedLine);
}

scene::Scene DrawProfileThumbnail(const ElevationProfile& profile, const ProfileLayout& layout) {
  // Nothing is measured: the plot has no labels.
  class NoText : public scene::ITextMeasure {
    double Width(const std::string&, double) const override { return 0; }
  };
  return ProfileDrawing(profile, layout, NoText()).DrawPlotOnly();
}
