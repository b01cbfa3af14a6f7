#include "cli/CatalogFields.h"

namespace {

std::string RangeText(std::int64_t first, std::int64_t last) {
  return first == last ? std::to_string(first) : std::to_string(first) + ".." + std::to_string(last);
}

}  // namespace

const char* ReverseWord(const DesignSummary& summary) {
  if (summary.reverseRefused) return "refused";
  return summary.openCircuit ? "asks_first" : "reverses";
}

std::string ElevationsText(const DesignSummary& summary) {
  return summary.lowest && summary.highest ? RangeText(*summary.lowest, *summary.highest) : "";
}

std::string VariantText(const DesignSummary& summary) {
  return summary.sameTrackAs.empty() ? "" : StepWords(summary.variant);
}
