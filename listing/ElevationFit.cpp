#include "listing/ElevationFit.h"

#include <algorithm>

#include "listing/ListingHeader.h"
#include "listing/SegmentPass.h"
#include "trackfile/DecoderDoc.h"

void ElevationExtent::Add(const ListingLine& line) {
  m_nLowest = std::min({m_nLowest, std::int64_t(line.startElevation), std::int64_t(line.endElevation)});
  m_nHighest = std::max({m_nHighest, std::int64_t(line.startElevation), std::int64_t(line.endElevation)});
}

std::optional<StartElevationRange> ElevationExtent::FittingStarts() const {
  if (IsEmpty()) return kStartElevations;
  // From start s every elevation moves by s - m_nStartElevation: the lowest
  // must stay at or above the buildable floor, the highest at or below its top.
  const std::int64_t first = kLowestBuildableElevation - m_nLowest + m_nStartElevation;
  const std::int64_t last = kHighestBuildableElevation - m_nHighest + m_nStartElevation;
  const std::int64_t from = std::max<std::int64_t>(first, kStartElevations.first);
  const std::int64_t to = std::min<std::int64_t>(last, kStartElevations.last);
  if (from > to) return std::nullopt;
  return StartElevationRange{std::int32_t(from), std::int32_t(to)};
}

ElevationExtent MeasureElevations(CDecoderDoc& doc, std::int32_t startElevation) {
  ElevationExtent extent(startElevation);
  if (!doc.m_pData || IsMaze(doc)) return extent;
  SegmentPass pass(doc, startElevation);
  ListingLine line;
  while (pass.Next(line)) extent.Add(line);
  return extent;
}

std::string DescribeFit(const std::optional<StartElevationRange>& fit) {
  if (!fit) return "fits at no starting elevation";
  if (fit->first == fit->last) return "fits with starting elevation " + std::to_string(fit->first);
  return "fits with starting elevations " + std::to_string(fit->first) + ".." + std::to_string(fit->last);
}
