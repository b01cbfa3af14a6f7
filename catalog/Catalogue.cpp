#include "catalog/Catalogue.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <new>
#include <optional>
#include <thread>
#include <vector>

#include "framework/Exceptions.h"

namespace {

DesignSummary Summarise(const DesignEntry& design) {
  if (!design.failure.empty()) return UnreadableDesign(design.path, design.failure);
  // A failure escaping a worker would end the program, not just this design.
  try {
    return SummariseDesign(design.path);
  } catch (const std::bad_alloc&) {
    return UnreadableDesign(design.path, FailureReportText(CMemoryException()));
  }
}

// Summaries in a ring of slots: a worker may run ahead of the one emitting by
// no more than the ring holds.
class OrderedRing {
public:
  OrderedRing(std::size_t count, std::size_t slots, const std::atomic<bool>* cancel)
      : m_nCount(count), m_slots(slots), m_pCancel(cancel) {}

  // Next design index for a worker, once its slot is free; nothing when done.
  std::optional<std::size_t> Take() {
    std::unique_lock lock(m_mutex);
    m_slotFreed.wait(lock, [&] {
      return m_bStopped || m_nNextTaken >= m_nCount || m_nNextTaken < m_nNextEmitted + m_slots.size();
    });
    if (m_bStopped || m_nNextTaken >= m_nCount) return std::nullopt;
    return m_nNextTaken++;
  }

  void Put(std::size_t index, DesignSummary&& summary) {
    {
      const std::lock_guard lock(m_mutex);
      m_slots[index % m_slots.size()] = std::move(summary);
    }
    m_filled.notify_one();
  }

  // Hands out summaries in order until all are emitted or cancel is set.
  void EmitAll(const std::function<void(DesignSummary&&)>& emit) {
    // Workers waiting for a slot must be let go however emitting ends.
    struct StopOnExit {
      OrderedRing& ring;
      ~StopOnExit() { ring.Stop(); }
    } stop{*this};
    for (std::size_t index = 0; index < m_nCount; ++index) {
      std::optional<DesignSummary> summary;
      {
        std::unique_lock lock(m_mutex);
        std::optional<DesignSummary>& slot = m_slots[index % m_slots.size()];
        m_filled.wait(lock, [&] { return slot.has_value(); });
        summary = std::move(slot);
        slot.reset();
        ++m_nNextEmitted;
      }
      m_slotFreed.notify_all();
      if (Cancelled()) break;
      emit(std::move(*summary));
    }
  }

  bool Cancelled() const { return m_pCancel && m_pCancel->load(std::memory_order_relaxed); }

private:
  void Stop() {
    {
      const std::lock_guard lock(m_mutex);
      m_bStopped = true;
    }
    m_slotFreed.notify_all();
  }

  std::size_t m_nCount;
  std::vector<std::optional<DesignSummary>> m_slots;
  const std::atomic<bool>* m_pCancel;
  std::mutex m_mutex;
  std::condition_variable m_filled;
  std::condition_variable m_slotFreed;
  std::size_t m_nNextTaken = 0;
  std::size_t m_nNextEmitted = 0;
  bool m_bStopped = false;
};

constexpr std::size_t kSlotsPerThread = 16;

}  // namespace

unsigned CatalogueThreads(unsigned jobs) {
  if (jobs > 0) return jobs;
  return std::max(1u, std::thread::hardware_concurrency());
}

void SummariseInOrder(std::span<const DesignEntry> designs, unsigned jobs,
                      const std::function<void(DesignSummary&&)>& emit, const std::atomic<bool>* cancel) {
  const unsigned threads = std::min<std::size_t>(CatalogueThreads(jobs), std::max<std::size_t>(designs.size(), 1));
  OrderedRing ring(designs.size(), threads * kSlotsPerThread, cancel);
  std::vector<std::jthread> workers;
  workers.reserve(threads);
  for (unsigned t = 0; t < threads; ++t)
    workers.emplace_back([&] {
      while (const std::optional<std::size_t> index = ring.Take())
        ring.Put(*index, ring.Cancelled() ? UnreadableDesign(designs[*index].path, "") : Summarise(designs[*index]));
    });
  ring.EmitAll(emit);
}
