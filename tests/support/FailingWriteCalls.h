#pragma once

#include <cerrno>
#include <cstddef>

#include "framework/FileAccess.h"

// Lets the safe writer's system calls fail on purpose: writing fails once
// failAtByte bytes have been written, or the flush or rename fails. Installed
// while alive.
class FailingWriteCalls : public IFileWriteCalls {
public:
  static constexpr std::size_t kNever = std::size_t(-1);

  explicit FailingWriteCalls(std::size_t failAtByte = kNever, int error = ENOSPC)
      : m_failAtByte(failAtByte), m_error(error), m_pPrevious(InstallFileWriteCalls(this)) {}
  ~FailingWriteCalls() override { InstallFileWriteCalls(m_pPrevious); }
  FailingWriteCalls(const FailingWriteCalls&) = delete;
  FailingWriteCalls& operator=(const FailingWriteCalls&) = delete;

  long Write(int fd, const void* bytes, std::size_t count) override;
  int Sync(int fd) override;
  int Rename(const char* from, const char* to) override;

  bool failSync = false;
  bool failRename = false;

private:
  std::size_t m_failAtByte;
  int m_error;
  std::size_t m_written = 0;
  IFileWriteCalls* m_pPrevious;
};
