#include "listing/ProfileAxes.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// The elevation labels placed so far, left of the plot, each spacing clear of the others.
class LabelColumn {
public:
  LabelColumn(double top, double bottom, double spacing) : m_top(top), m_bottom(bottom), m_spacing(spacing) {}

  // Places the label of elevation at y when it is clear there.
  std::optional<double> PlaceAt(std::int32_t elevation, double y) {
    if (!IsClear(elevation, y)) return std::nullopt;
    m_placed.push_back({elevation, y});
    return y;
  }

  // Places the label at y or, failing that, at the nearest place just clear of another label.
  std::optional<double> PlaceNear(std::int32_t elevation, double y) {
    std::vector<double> candidates = {y};
    for (const Placed& other : m_placed)
      candidates.insert(candidates.end(), {other.y - m_spacing, other.y + m_spacing});
    std::stable_sort(candidates.begin(), candidates.end(),
                     [y](double a, double b) { return std::abs(a - y) < std::abs(b - y); });
    for (const double candidate : candidates)
      if (std::optional<double> placed = PlaceAt(elevation, candidate)) return placed;
    return std::nullopt;
  }

private:
  struct Placed {
    std::int32_t elevation;
    double y;
  };

  // Inside the plot's height, clear of every other label, and in order: a higher elevation's label stays above.
  bool IsClear(std::int32_t elevation, double y) const {
    if (y < m_top || y > m_bottom) return false;
    return std::all_of(m_placed.begin(), m_placed.end(), [&](const Placed& other) {
      const bool clear = std::abs(other.y - y) >= m_spacing - 1e-9;
      return clear && (other.elevation > elevation) == (other.y < y);
    });
  }

  double m_top, m_bottom, m_spacing;
  std::vector<Placed> m_placed;
};

}  // namespace

long long RoundStep(double least) {
  for (long long power = 1;; power *= 10)
    for (const long long factor : {1, 2, 5})
      if (double(factor * power) >= least) return factor * power;
}

std::vector<ElevationMark> MarkElevations(const ProfileLayout& layout, const ProfileExtent& extent) {
  const double spacing = kElevationLabelSpacing * layout.textScale;
  LabelColumn column(layout.top, layout.top + layout.height, spacing);
  std::vector<ElevationMark> marks;
  const auto isMarked = [&marks](long long elevation) {
    return std::any_of(marks.begin(), marks.end(),
                       [elevation](const ElevationMark& m) { return m.elevation == elevation; });
  };
  if (extent.highest > kHighestBuildableElevation)
    marks.push_back({extent.highest, false, column.PlaceAt(extent.highest, layout.Y(extent.highest))});
  if (extent.lowest < kLowestBuildableElevation)
    marks.push_back({extent.lowest, false, column.PlaceAt(extent.lowest, layout.Y(extent.lowest))});
  for (const std::int32_t edge : {kLowestBuildableElevation, kHighestBuildableElevation})
    marks.push_back({edge, true, column.PlaceNear(edge, layout.Y(edge))});

  // Round elevations about two labels apart, from the bottom of the plot to its top.
  const double bottom = layout.ElevationAt(layout.top + layout.height);
  const double top = layout.ElevationAt(layout.top);
  const long long step = RoundStep(2 * spacing * (top - bottom) / layout.height);
  for (long long elevation = (static_cast<long long>(std::floor(bottom / double(step))) + 1) * step;
       double(elevation) < top; elevation += step) {
    if (isMarked(elevation)) continue;
    const auto value = static_cast<std::int32_t>(elevation);
    marks.push_back({value, false, column.PlaceAt(value, layout.Y(value))});
  }
  return marks;
}

std::vector<long long> NumberSegments(const ProfileLayout& layout, const scene::ITextMeasure& measure) {
  const long long count = layout.segmentCount;
  if (count <= 0) return {};
  const auto width = [&](long long number) { return measure.Width(std::to_string(number), layout.AxisLabelSize()); };
  const double gap = kSegmentNumberGap * layout.textScale;
  const auto clear = [&](long long left, long long right) {
    return layout.NumberX(right) - layout.NumberX(left) >= (width(left) + width(right)) / 2 + gap;
  };
  const double segmentWidth = layout.width / double(count);
  // No smaller step can keep even the narrowest labels apart.
  for (long long step = RoundStep((width(1) + gap) / segmentWidth);; step = RoundStep(double(step) + 1)) {
    std::vector<long long> numbers = {1};
    bool apart = true;
    for (long long number = std::max(step, 2LL); number < count && apart; number += step) {
      apart = clear(numbers.back(), number);
      numbers.push_back(number);
    }
    if (!apart) continue;
    if (count == 1) return numbers;
    if (numbers.size() > 1 && !clear(numbers.back(), count)) numbers.pop_back();
    if (clear(numbers.back(), count)) numbers.push_back(count);
    return numbers;
  }
}
