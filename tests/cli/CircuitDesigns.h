#pragma once

#include <utility>
#include <vector>

#include "examples/DesignBuilder.h"

inline DesignDescription WithSegments(std::vector<SegmentEntry> segments) {
  DesignDescription design;
  design.segments = std::move(segments);
  return design;
}

// Display order 2, 3, 1, 16, 4, 9, 133: the file keeps its Middle station first.
inline DesignDescription ClosedCircuit() { return WithSegments({{3}, {1, 0x08}, {16}, {4, 0x40}, {9}, {133}, {2, 0x08}}); }

// ClosedCircuit as Mirror Track leaves it.
inline DesignDescription MirroredClosedCircuit() {
  return WithSegments({{3}, {1, 0x08}, {17}, {4, 0x40}, {9}, {134}, {2, 0x08}});
}

// ClosedCircuit as Reverse Track leaves it.
inline DesignDescription ReversedClosedCircuit() {
  return WithSegments({{3}, {1, 0x08}, {134}, {12}, {10, 0x40}, {17}, {2, 0x08}});
}
