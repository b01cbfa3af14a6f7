#include "catalog/Catalogue.h"

#include <malloc.h>

#include <new>

#include "framework/Exceptions.h"
#include "trackfile/DecoderDoc.h"

DesignSummary SummariseEntry(const DesignEntry& design, ReadBudget& budget) {
  if (!design.failure.empty()) return UnreadableDesign(design.path, design.failure);
  // A failure escaping a worker would end the program, not just this design.
  try {
    return SummariseDesign(design.path, &budget);
  } catch (const std::bad_alloc&) {
    return UnreadableDesign(design.path, FailureReportText(CMemoryException()));
  }
}

unsigned CatalogueThreads(unsigned jobs) {
  if (jobs > 0) return jobs;
  return std::max(1u, std::thread::hardware_concurrency());
}

std::uint64_t CatalogueReadBudget() { return 3 * std::uint64_t(CDecoderDoc::kMaxDesignLength) / 2; }

void GiveLargeBlocksBackWhenFreed() {
  static const bool once = [] {
    constexpr int kLargeBlock = 1 << 20;
    return ::mallopt(M_MMAP_THRESHOLD, kLargeBlock) == 1;
  }();
  (void)once;
}

void SummariseInOrder(std::span<const DesignEntry> designs, unsigned jobs,
                      const std::function<void(DesignSummary&&)>& deliver, const std::atomic<bool>* cancel,
                      const std::function<void()>& beforeWait) {
  SummariseInOrder<DesignSummary>(
      designs, jobs, [](DesignSummary&& summary) { return std::move(summary); }, deliver, cancel, beforeWait);
}
