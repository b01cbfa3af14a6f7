#pragma once

#include <string>
#include <unordered_map>

#include "catalog/DesignSummary.h"

// Finds, for designs taken in order, the first earlier one that shares each
// one's track. Holds the path and the variants of the first design of every
// track seen, nothing of the others.
class SameTrackFinder {
public:
  // Sets summary's sameTrackAs and variant from the designs placed before it.
  void Place(DesignSummary& summary);

private:
  struct FirstDesign {
    std::string path;
    TrackIdentity track;
  };
  std::unordered_map<std::string, FirstDesign> m_firsts;
};
