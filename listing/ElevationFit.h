#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "listing/ListTrack.h"

class CDecoderDoc;

// A range of starting elevations, both ends included.
struct StartElevationRange {
  std::int32_t first;
  std::int32_t last;

  friend bool operator==(const StartElevationRange&, const StartElevationRange&) = default;
};

// The starting elevations a user can choose.
inline constexpr StartElevationRange kStartElevations{kLowestBuildableElevation, kHighestBuildableElevation};

// The lowest and highest elevation at which a listing's lines start or end.
//
// A line is marked from its two ends alone, and the segments of a line all
// climb or all fall, so these two elevations decide every mark of the listing:
// moving the starting elevation moves them by as much.
class ElevationExtent {
public:
  explicit ElevationExtent(std::int32_t startElevation) : m_nStartElevation(startElevation) {}

  void Add(const ListingLine& line);

  // No line: nothing can be marked.
  bool IsEmpty() const { return m_nLowest > m_nHighest; }
  std::int64_t Lowest() const { return m_nLowest; }
  std::int64_t Highest() const { return m_nHighest; }
  // The extent the same listing would have from startElevation.
  std::int64_t LowestFrom(std::int32_t startElevation) const { return m_nLowest + Shift(startElevation); }
  std::int64_t HighestFrom(std::int32_t startElevation) const { return m_nHighest + Shift(startElevation); }

  // The starting elevations (of kStartElevations) at which no line is marked
  // "TOO HIGH!" or "TOO LOW!"; none when every one leaves the buildable range.
  std::optional<StartElevationRange> FittingStarts() const;

private:
  std::int64_t Shift(std::int32_t startElevation) const {
    return std::int64_t(startElevation) - m_nStartElevation;
  }

  std::int32_t m_nStartElevation;
  std::int64_t m_nLowest = INT64_MAX;
  std::int64_t m_nHighest = INT64_MIN;
};

// Lists the design from startElevation (writing the segments' elevations, as
// every listing does) and measures its lines. No design, or a maze: no lines.
ElevationExtent MeasureElevations(CDecoderDoc& doc, std::int32_t startElevation);

// "fits with starting elevations 3..12", "fits with starting elevation 7" or
// "fits at no starting elevation".
std::string DescribeFit(const std::optional<StartElevationRange>& fit);
