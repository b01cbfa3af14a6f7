#include "catalog/SameTrack.h"

void SameTrackFinder::Place(DesignSummary& summary) {
  summary.sameTrackAs.clear();
  summary.variant.clear();
  if (!summary.loaded) return;
  const std::string key(summary.track.key.begin(), summary.track.key.end());
  const auto [first, isFirst] = m_firsts.try_emplace(key, FirstDesign{summary.path, summary.track});
  if (isFirst) return;
  // Every design steps lead to shares the key, and steps lead back from it.
  const TrackSteps* steps = first->second.track.StepsTo(summary.track.variants.front().digest);
  if (!steps) return;
  summary.sameTrackAs = first->second.path;
  summary.variant = *steps;
}
