#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

// What designs read on many threads may hold at once, counted in bytes. A
// thread takes its share before it reads and gives it back when the share
// goes, so that the memory of a catalogue does not grow with its thread count.
class ReadBudget {
public:
  explicit ReadBudget(std::uint64_t bytes) : m_nBytes(bytes) {}

  class Share {
  public:
    Share() = default;
    Share(Share&& other) noexcept;
    Share& operator=(Share&& other) noexcept;
    ~Share();

  private:
    friend class ReadBudget;
    Share(ReadBudget& budget, std::uint64_t bytes) : m_pBudget(&budget), m_nBytes(bytes) {}
    void Release();

    ReadBudget* m_pBudget = nullptr;
    std::uint64_t m_nBytes = 0;
  };

  // Waits until bytes are free and takes them. A share larger than the whole
  // budget waits until nothing else is taken, so that it is not refused.
  Share Take(std::uint64_t bytes);

private:
  void Give(std::uint64_t bytes);

  const std::uint64_t m_nBytes;
  std::uint64_t m_nTaken = 0;
  std::mutex m_mutex;
  std::condition_variable m_given;
};
