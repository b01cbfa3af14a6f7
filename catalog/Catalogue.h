#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <system_error>
#include <thread>
#include <vector>

#include "catalog/DesignFolder.h"
#include "catalog/DesignSummary.h"
#include "catalog/OrderedRing.h"
#include "catalog/ReadBudget.h"

// The summary of one design entry; a failure becomes the summary's message.
// The design holds its share of budget while it is in memory.
DesignSummary SummariseEntry(const DesignEntry& design, ReadBudget& budget);

// The threads SummariseInOrder runs for jobs (0: one per core).
unsigned CatalogueThreads(unsigned jobs);

// What the designs in memory on all threads together may unpack to: one
// design at the size cap and half as much again, so that more threads do not
// take more memory; designs of usual size pass a hundred at a time.
std::uint64_t CatalogueReadBudget();

// Freed blocks of a large design would otherwise stay with the thread's own
// heap, so that memory grew with the threads that ever held one. Once per process.
void GiveLargeBlocksBackWhenFreed();

// Summarises designs on jobs threads (0: one per core) and makes each summary
// into an Item with make on the thread that summarised it, so that the work
// of formatting is shared out as the reading is; hands every item to deliver on
// the calling thread, in the order of designs whatever the number of
// threads. Only a few items per thread wait for their turn, so memory does
// not grow with the number of designs, and the designs read at once hold a
// bounded number of bytes together, whatever jobs is. Once cancel (when
// given) is set, no further design is started and nothing more is delivered.
// Whenever the next item is not ready yet, beforeWait (when given) runs
// first, so that what was delivered can be passed on while a slow design is
// read. When the system starts fewer threads than asked, those that started
// do the work; when it starts none, the calling thread does it alone. (Not
// "emit": the window's code defines that word away.)
template <class Item>
void SummariseInOrder(std::span<const DesignEntry> designs, unsigned jobs,
                      const std::function<Item(DesignSummary&&)>& make, const std::function<void(Item&&)>& deliver,
                      const std::atomic<bool>* cancel = nullptr, const std::function<void()>& beforeWait = {}) {
  GiveLargeBlocksBackWhenFreed();
  ReadBudget budget(CatalogueReadBudget());
  const std::size_t batches = (designs.size() + kCatalogueBatch - 1) / kCatalogueBatch;
  const unsigned threads = unsigned(std::min<std::size_t>(CatalogueThreads(jobs), std::max<std::size_t>(batches, 1)));
  OrderedRing<Item> ring(designs.size(), threads, cancel);
  const auto summarise = [&](const DesignEntry& design) {
    return make(ring.Cancelled() ? UnreadableDesign(design.path, "") : SummariseEntry(design, budget));
  };
  const auto work = [&] {
    while (const std::optional<CatalogueBatch> batch = ring.Take())
      for (std::size_t i = batch->first; i < batch->first + batch->count; ++i) ring.Put(i, summarise(designs[i]));
  };
  std::vector<std::jthread> workers;
  workers.reserve(threads);
  try {
    while (workers.size() < threads) workers.emplace_back(work);
  } catch (const std::system_error&) {
    // The system starts no more threads: those that started do the work.
  }
  if (!workers.empty()) return ring.EmitAll(deliver, beforeWait);
  for (const DesignEntry& design : designs) {
    if (ring.Cancelled()) return;
    if (beforeWait) beforeWait();
    deliver(summarise(design));
  }
}

// The summaries themselves, in the order of designs.
void SummariseInOrder(std::span<const DesignEntry> designs, unsigned jobs,
                      const std::function<void(DesignSummary&&)>& deliver, const std::atomic<bool>* cancel = nullptr,
                      const std::function<void()>& beforeWait = {});
