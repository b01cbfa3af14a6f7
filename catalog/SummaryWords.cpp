#include "catalog/SummaryWords.h"

const char* ChecksumWord(ChecksumState checksum) {
  switch (checksum) {
    case ChecksumState::Normal:
      return "normal";
    case ChecksumState::Alternative:
      return "alternative";
    case ChecksumState::Wrong:
      break;
  }
  return "wrong";
}

std::string FitWord(const std::optional<StartElevationRange>& fit) {
  if (!fit) return "none";
  if (fit->first == fit->last) return std::to_string(fit->first);
  return std::to_string(fit->first) + ".." + std::to_string(fit->last);
}
