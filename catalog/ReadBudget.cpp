#include "catalog/ReadBudget.h"

#include <algorithm>
#include <utility>

ReadBudget::Share::Share(Share&& other) noexcept
    : m_pBudget(std::exchange(other.m_pBudget, nullptr)), m_nBytes(other.m_nBytes) {}

ReadBudget::Share& ReadBudget::Share::operator=(Share&& other) noexcept {
  if (this != &other) {
    Release();
    m_pBudget = std::exchange(other.m_pBudget, nullptr);
    m_nBytes = other.m_nBytes;
  }
  return *this;
}

ReadBudget::Share::~Share() { Release(); }

void ReadBudget::Share::Release() {
  if (m_pBudget) std::exchange(m_pBudget, nullptr)->Give(m_nBytes);
}

ReadBudget::Share ReadBudget::Take(std::uint64_t bytes) {
  bytes = std::min(bytes, m_nBytes);
  std::unique_lock lock(m_mutex);
  m_given.wait(lock, [&] { return m_nTaken + bytes <= m_nBytes; });
  m_nTaken += bytes;
  return {*this, bytes};
}

void ReadBudget::Give(std::uint64_t bytes) {
  {
    const std::lock_guard lock(m_mutex);
    m_nTaken -= bytes;
  }
  m_given.notify_all();
}
