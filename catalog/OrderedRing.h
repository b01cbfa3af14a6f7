#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

// A run of consecutive designs, taken by one worker at once: a design takes a
// few microseconds, so handing out each one alone would cost more than the work.
struct CatalogueBatch {
  std::size_t first;
  std::size_t count;
};

inline constexpr std::size_t kCatalogueBatch = 32;

// The items made of count designs, in a ring of slots: a worker may run ahead
// of the one emitting by no more than the ring holds.
template <class Item>
class OrderedRing {
public:
  OrderedRing(std::size_t count, unsigned threads, const std::atomic<bool>* cancel)
      : m_nCount(count),
        m_slots(threads * kBatchesPerThread * kCatalogueBatch),
        m_spent(m_slots.size()),
        m_pCancel(cancel) {}

  // The next batch for a worker, once its slots are free; nothing when done.
  std::optional<CatalogueBatch> Take() {
    std::unique_lock lock(m_mutex);
    m_slotsFreed.wait(lock, [&] {
      return m_bStopped || m_nNextTaken >= m_nCount ||
             m_nNextTaken + kCatalogueBatch <= m_nNextEmitted + m_slots.size();
    });
    if (m_bStopped || m_nNextTaken >= m_nCount) return std::nullopt;
    const CatalogueBatch batch{m_nNextTaken, std::min(kCatalogueBatch, m_nCount - m_nNextTaken)};
    m_nNextTaken += batch.count;
    return batch;
  }

  // Each item goes in as soon as it is made, so that a slow design later in
  // the batch does not hold back the rows before it; only the one the emitter
  // waits for wakes it.
  void Put(std::size_t index, Item&& item) {
    bool awaited = false;
    std::optional<Item> spent;
    {
      const std::lock_guard lock(m_mutex);
      const std::size_t slot = index % m_slots.size();
      spent = std::exchange(m_spent[slot], std::nullopt);
      m_slots[slot] = std::move(item);
      awaited = index == m_nAwaited;
    }
    if (awaited) m_filled.notify_one();
  }

  // Hands out items in order until all are emitted or cancel is set. Whenever
  // the next one is not there yet, beforeWait (when given) runs first.
  void EmitAll(const std::function<void(Item&&)>& deliver, const std::function<void()>& beforeWait) {
    // Workers waiting for a slot must be let go however emitting ends.
    struct StopOnExit {
      OrderedRing& ring;
      ~StopOnExit() { ring.Stop(); }
    } stop{*this};
    std::vector<Item> ready;
    while (m_nNextEmitted < m_nCount) {
      const std::size_t first = m_nNextEmitted;
      TakeReady(ready, beforeWait);
      m_slotsFreed.notify_all();
      for (Item& item : ready) {
        if (Cancelled()) return;
        deliver(std::move(item));
      }
      GiveBack(first, ready);
    }
  }

  bool Cancelled() const { return m_pCancel && m_pCancel->load(std::memory_order_relaxed); }

private:
  static constexpr std::size_t kBatchesPerThread = 4;
  static constexpr std::chrono::milliseconds kBatchGrace{1};
  static constexpr std::size_t kNoneAwaited = ~std::size_t(0);

  // Waits for the next item in order, then takes it and every one after it
  // that is there already. Waking for each item would cost the emitter more
  // than the item takes to make, so it first waits a moment for a batch's
  // worth; only when even the next item is not there by then does
  // beforeWait run and the wait go on for that item alone.
  void TakeReady(std::vector<Item>& ready, const std::function<void()>& beforeWait) {
    ready.clear();
    std::unique_lock lock(m_mutex);
    const auto slot = [&](std::size_t index) -> std::optional<Item>& { return m_slots[index % m_slots.size()]; };
    if (!slot(m_nNextEmitted).has_value()) {
      m_nAwaited = std::min(m_nNextEmitted + kCatalogueBatch, m_nCount) - 1;
      m_filled.wait_for(lock, kBatchGrace, [&] { return slot(m_nAwaited).has_value(); });
    }
    if (!slot(m_nNextEmitted).has_value()) {
      m_nAwaited = m_nNextEmitted;
      if (beforeWait) {
        lock.unlock();
        beforeWait();
        lock.lock();
      }
      m_filled.wait(lock, [&] { return slot(m_nNextEmitted).has_value(); });
    }
    m_nAwaited = kNoneAwaited;
    while (m_nNextEmitted < m_nCount && slot(m_nNextEmitted).has_value()) {
      ready.push_back(std::move(*slot(m_nNextEmitted)));
      slot(m_nNextEmitted).reset();
      ++m_nNextEmitted;
    }
  }

  // Items delivered go back to their slots, and the worker that fills a slot
  // next destroys what it holds (after the lock). Their memory then goes back
  // to a worker's heap: freed by the emitter, every block would lock the
  // heap of the worker that made it, while that worker allocates from it.
  void GiveBack(std::size_t first, std::vector<Item>& delivered) {
    {
      const std::lock_guard lock(m_mutex);
      for (std::size_t i = 0; i < delivered.size(); ++i)
        m_spent[(first + i) % m_spent.size()] = std::move(delivered[i]);
    }
    delivered.clear();
  }

  void Stop() {
    {
      const std::lock_guard lock(m_mutex);
      m_bStopped = true;
    }
    m_slotsFreed.notify_all();
  }

  std::size_t m_nCount;
  std::vector<std::optional<Item>> m_slots;
  std::vector<std::optional<Item>> m_spent;  // delivered, for a worker to destroy
  const std::atomic<bool>* m_pCancel;
  std::mutex m_mutex;
  std::condition_variable m_filled;
  std::condition_variable m_slotsFreed;
  std::size_t m_nNextTaken = 0;
  std::size_t m_nNextEmitted = 0;
  std::size_t m_nAwaited = kNoneAwaited;
  bool m_bStopped = false;
};
