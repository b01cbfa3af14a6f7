#include "tests/support/FailingWriteCalls.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

long FailingWriteCalls::Write(int fd, const void* bytes, std::size_t count) {
  if (m_written >= m_failAtByte) {
    errno = m_error;
    return -1;
  }
  // Short writes up to the failing byte, as a filling disk gives them.
  const std::size_t allowed = std::min(count, m_failAtByte - m_written);
  const long written = ::write(fd, bytes, allowed);
  if (written > 0) m_written += std::size_t(written);
  return written;
}

int FailingWriteCalls::Sync(int fd) {
  if (failSync) {
    errno = EIO;
    return -1;
  }
  return ::fsync(fd);
}

int FailingWriteCalls::Rename(const char* from, const char* to) {
  if (failRename) {
    errno = EXDEV;
    return -1;
  }
  return std::rename(from, to);
}
