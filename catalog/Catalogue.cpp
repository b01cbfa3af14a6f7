#include "catalog/Catalogue.h"

#include <malloc.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <new>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "framework/Exceptions.h"
#include "trackfile/DecoderDoc.h"

namespace {

// The designs in memory on all threads together may unpack to one design at
// the size cap and half as much again, so that more threads do not take more
// memory; designs of usual size pass a hundred at a time.
constexpr std::uint64_t kReadBudget = 3 * std::uint64_t(CDecoderDoc::kMaxDesignLength) / 2;

DesignSummary Summarise(const DesignEntry& design, ReadBudget& budget) {
  if (!design.failure.empty()) return UnreadableDesign(design.path, design.failure);
  // A failure escaping a worker would end the program, not just this design.
  try {
    return SummariseDesign(design.path, &budget);
  } catch (const std::bad_alloc&) {
    return UnreadableDesign(design.path, FailureReportText(CMemoryException()));
  }
}

// A run of consecutive designs, taken by one worker at once: a design takes a
// few microseconds, so handing out each one alone would cost more than the work.
struct Batch {
  std::size_t first;
  std::size_t count;
};

constexpr std::size_t kBatchSize = 32;
constexpr std::size_t kBatchesPerThread = 4;

// Summaries in a ring of slots: a worker may run ahead of the one emitting by
// no more than the ring holds.
class OrderedRing {
public:
  OrderedRing(std::size_t count, std::size_t slots, const std::atomic<bool>* cancel)
      : m_nCount(count), m_slots(slots), m_pCancel(cancel) {}

  // The next batch for a worker, once its slots are free; nothing when done.
  std::optional<Batch> Take() {
    std::unique_lock lock(m_mutex);
    m_slotsFreed.wait(lock, [&] {
      return m_bStopped || m_nNextTaken >= m_nCount || m_nNextTaken + kBatchSize <= m_nNextEmitted + m_slots.size();
    });
    if (m_bStopped || m_nNextTaken >= m_nCount) return std::nullopt;
    const Batch batch{m_nNextTaken, std::min(kBatchSize, m_nCount - m_nNextTaken)};
    m_nNextTaken += batch.count;
    return batch;
  }

  // Each summary goes in as soon as it is made, so that a slow design later in
  // the batch does not hold back the rows before it; only the one the emitter
  // waits for wakes it.
  void Put(std::size_t index, DesignSummary&& summary) {
    bool awaited = false;
    {
      const std::lock_guard lock(m_mutex);
      m_slots[index % m_slots.size()] = std::move(summary);
      awaited = index == m_nNextEmitted;
    }
    if (awaited) m_filled.notify_one();
  }

  // Hands out summaries in order until all are emitted or cancel is set.
  void EmitAll(const std::function<void(DesignSummary&&)>& emit, const std::function<void()>& beforeWait) {
    // Workers waiting for a slot must be let go however emitting ends.
    struct StopOnExit {
      OrderedRing& ring;
      ~StopOnExit() { ring.Stop(); }
    } stop{*this};
    std::vector<DesignSummary> ready;
    while (m_nNextEmitted < m_nCount) {
      TakeReady(ready, beforeWait);
      m_slotsFreed.notify_all();
      for (DesignSummary& summary : ready) {
        if (Cancelled()) return;
        emit(std::move(summary));
      }
    }
  }

  bool Cancelled() const { return m_pCancel && m_pCancel->load(std::memory_order_relaxed); }

private:
  // Waits for the next summary in order, then takes it and every one after it
  // that is there already.
  void TakeReady(std::vector<DesignSummary>& ready, const std::function<void()>& beforeWait) {
    ready.clear();
    std::unique_lock lock(m_mutex);
    const auto slot = [&] () -> std::optional<DesignSummary>& { return m_slots[m_nNextEmitted % m_slots.size()]; };
    if (!slot().has_value() && beforeWait) {
      lock.unlock();
      beforeWait();
      lock.lock();
    }
    m_filled.wait(lock, [&] { return slot().has_value(); });
    while (m_nNextEmitted < m_nCount && slot().has_value()) {
      ready.push_back(std::move(*slot()));
      slot().reset();
      ++m_nNextEmitted;
    }
  }

  void Stop() {
    {
      const std::lock_guard lock(m_mutex);
      m_bStopped = true;
    }
    m_slotsFreed.notify_all();
  }

  std::size_t m_nCount;
  std::vector<std::optional<DesignSummary>> m_slots;
  const std::atomic<bool>* m_pCancel;
  std::mutex m_mutex;
  std::condition_variable m_filled;
  std::condition_variable m_slotsFreed;
  std::size_t m_nNextTaken = 0;
  std::size_t m_nNextEmitted = 0;
  bool m_bStopped = false;
};

}  // namespace

namespace {

// Freed blocks of a large design would otherwise stay with the thread's own
// heap, so that memory grew with the threads that ever held one.
void GiveLargeBlocksBackWhenFreed() {
  static const bool once = [] {
    constexpr int kLargeBlock = 1 << 20;
    return ::mallopt(M_MMAP_THRESHOLD, kLargeBlock) == 1;
  }();
  (void)once;
}

}  // namespace

unsigned CatalogueThreads(unsigned jobs) {
  if (jobs > 0) return jobs;
  return std::max(1u, std::thread::hardware_concurrency());
}

namespace {

// Without a thread of its own to spare, the calling thread summarises every
// design itself, each just before it is emitted.
void SummariseAlone(std::span<const DesignEntry> designs, const std::function<void(DesignSummary&&)>& emit,
                    const std::atomic<bool>* cancel, const std::function<void()>& beforeWait) {
  ReadBudget budget(kReadBudget);
  for (const DesignEntry& design : designs) {
    if (cancel && cancel->load(std::memory_order_relaxed)) return;
    if (beforeWait) beforeWait();
    emit(Summarise(design, budget));
  }
}

}  // namespace

void SummariseInOrder(std::span<const DesignEntry> designs, unsigned jobs,
                      const std::function<void(DesignSummary&&)>& emit, const std::atomic<bool>* cancel,
                      const std::function<void()>& beforeWait) {
  GiveLargeBlocksBackWhenFreed();
  const std::size_t batches = (designs.size() + kBatchSize - 1) / kBatchSize;
  const unsigned threads = unsigned(std::min<std::size_t>(CatalogueThreads(jobs), std::max<std::size_t>(batches, 1)));
  OrderedRing ring(designs.size(), threads * kBatchesPerThread * kBatchSize, cancel);
  ReadBudget budget(kReadBudget);
  const auto work = [&] {
    while (const std::optional<Batch> batch = ring.Take()) {
      for (std::size_t i = batch->first; i < batch->first + batch->count; ++i) {
        const DesignEntry& design = designs[i];
        ring.Put(i, ring.Cancelled() ? UnreadableDesign(design.path, "") : Summarise(design, budget));
      }
    }
  };
  std::vector<std::jthread> workers;
  workers.reserve(threads);
  try {
    while (workers.size() < threads) workers.emplace_back(work);
  } catch (const std::system_error&) {
    // The system starts no more threads: those that started do the work.
  }
  if (workers.empty()) return SummariseAlone(designs, emit, cancel, beforeWait);
  ring.EmitAll(emit, beforeWait);
}
