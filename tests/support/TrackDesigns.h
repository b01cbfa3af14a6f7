#pragma once

#include <vector>

#include "examples/DesignBuilder.h"

// A design of the default ride holding this track list, as a file stores it.
inline DesignDescription DesignOf(std::vector<SegmentEntry> trackList) {
  DesignDescription design;
  design.segments = std::move(trackList);
  return design;
}
