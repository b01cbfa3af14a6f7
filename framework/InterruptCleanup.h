#pragma once

#include <csignal>

// A file being written goes to a temporary file beside its target until it is
// complete. These functions make sure that an interrupted program takes that
// temporary file with it instead of leaving it behind.

// Lets SIGINT, SIGTERM and SIGHUP remove the registered temporary file before
// they end the program as they otherwise would; a signal that was ignored when
// the program started stays ignored. Ignores SIGXFSZ, so that a write past the
// file size limit fails with EFBIG and is reported like any failed write
// instead of killing the program. Call once at start-up.
void InstallInterruptCleanup();

// Marks path as the one temporary file to remove on those signals, replacing
// any earlier one. Call with the signals blocked (BlockedInterrupts), so that
// none arrives between creating the file and registering it.
void RegisterTemporaryFile(const char* path);

// The temporary file is gone or has become the target: nothing to remove.
void UnregisterTemporaryFile();

// Holds SIGINT, SIGTERM and SIGHUP back while alive; one that arrives meanwhile
// is delivered when it ends.
class BlockedInterrupts {
public:
  BlockedInterrupts();
  ~BlockedInterrupts();
  BlockedInterrupts(const BlockedInterrupts&) = delete;
  BlockedInterrupts& operator=(const BlockedInterrupts&) = delete;

private:
  sigset_t m_previous;
};
