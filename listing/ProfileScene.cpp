#include "listing/ProfileScene.h"

#include <algorithm>
#include <string>

namespace {

using scene::Anchor;
using scene::Ink;
using scene::Label;
using scene::Point;
using scene::Polyline;
using scene::Rect;

constexpr double kTrackWidth = 2;
constexpr double kChainLiftWidth = 4.5;

// Below the plot: a short tick over each segment number, the numbers, then the
// axis title; the rows are as far down in picture files and grow with the labels.
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

class ProfileDrawing {
public:
  // lines: the listing's lines, for a line to be highlighted; none without.
  ProfileDrawing(const TracedTrack& track, const std::vector<ListingLine>* lines, const ProfileLayout& layout,
                 const scene::ITextMeasure& measure)
      : m_track(track), m_lines(lines), m_layout(layout), m_measure(measure) {
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
    for (const TrackStroke& stroke : m_track.strokes)
      Add(Polyline{stroke.points, StrokeInk(stroke.style), StrokeWidth(stroke.style)});
    for (const Rect& bar : m_track.stations) Add(bar);
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
        Add(Label{{l.left - l.LabelGap(), *mark.labelY}, std::to_string(mark.elevation), l.AxisLabelSize(), Anchor::End});
    }
  }

  void DrawSelection(int selectedLine) {
    if (!m_lines || selectedLine < 0 || std::size_t(selectedLine) >= m_lines->size()) return;
    const ListingLine& line = (*m_lines)[std::size_t(selectedLine)];
    Add(Stretch(m_layout.X(line.first), m_layout.X(line.last + 1), m_layout.top, m_layout.height, Ink::Selection));
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
      Add(Label{{l.left + l.width / 2, l.top + l.height / 2}, "no segments", l.LegendLabelSize(), Anchor::Middle});
      return;
    }
    for (const long long number : l.segmentNumbers) {
      const double x = l.NumberX(number);
      Add(Polyline{{{x, bottom}, {x, bottom + kTickLength}}, Ink::Frame, 1});
      Add(Label{{x, bottom + kNumberRow * l.textScale}, std::to_string(number), l.AxisLabelSize(), Anchor::Middle});
    }
    Add(Label{{l.left + l.width, bottom + kTitleRow * l.textScale}, "segment", l.AxisLabelSize(), Anchor::End});
  }

  // Above the plot, from left to right: what each colour and mark means, up to the first that has no room.
  void DrawLegend() {
    const double y = m_layout.top / 2;
    double x = m_layout.left;
    bool full = false;
    const auto entry = [&](const std::string& text, scene::Shape swatch, std::optional<scene::Shape> edge = {}) {
      const double textX = x + kSwatchWidth + kSwatchToText;
      const double end = textX + m_measure.Width(text, m_layout.LegendLabelSize());
      full = full || end > m_scene.width - m_layout.LabelGap();
      if (full) return;
      Add(std::move(swatch));
      if (edge) Add(std::move(*edge));
      Add(Label{{textX, y}, text, m_layout.LegendLabelSize(), Anchor::Start});
      x = end + kEntryGap;
    };
    const auto stroke = [&](TrackStyle style) {
      return Polyline{{{x, y}, {x + kSwatchWidth, y}}, StrokeInk(style), StrokeWidth(style)};
    };
    // The band's swatch in its edges' colour too, as its fill alone hardly shows off the plot.
    const Point corner{x, y - 6}, opposite{x + kSwatchWidth, y + 6};
    entry("buildable 1-61", Rect{corner.x, corner.y, kSwatchWidth, 12, Ink::Band},
          Polyline{{corner, {opposite.x, corner.y}, opposite, {corner.x, opposite.y}, corner}, Ink::BandEdge, 1});
    entry("track", stroke({}));
    entry("chain lift", stroke({.chainLift = true}));
    entry("out of range", stroke({.outOfRange = true}));
    entry("station", Rect{x, y - kStationThickness / 2, kSwatchWidth, kStationThickness, Ink::Station});
  }

  const TracedTrack& m_track;
  const std::vector<ListingLine>* m_lines;
  const ProfileLayout& m_layout;
  const scene::ITextMeasure& m_measure;
  scene::Scene m_scene;
};

}  // namespace

scene::Scene DrawProfile(const ElevationProfile& profile, const ProfileLayout& layout,
                         const scene::ITextMeasure& measure, std::optional<int> selectedLine) {
  return ProfileDrawing(TraceTrack(profile, layout), &profile.lines, layout, measure).Draw(selectedLine);
}

scene::Scene DrawProfile(const TracedTrack& track, const ProfileLayout& layout, const scene::ITextMeasure& measure) {
  return ProfileDrawing(track, nullptr, layout, measure).Draw(std::nullopt);
}

scene::Scene DrawProfileThumbnail(const TracedTrack& track, const ProfileLayout& layout) {
  // Nothing is measured: the plot has no labels.
  class NoText : public scene::ITextMeasure {
    double Width(const std::string&, double) const override { return 0; }
  };
  return ProfileDrawing(track, nullptr, layout, NoText()).DrawPlotOnly();
}
