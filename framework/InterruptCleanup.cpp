#include "framework/InterruptCleanup.h"

#include <unistd.h>

#include <atomic>
#include <climits>
#include <cstring>

namespace {

constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP};

// The handler may run between any two instructions, so it reads only this
// pointer, which is set after the name is complete and cleared before it changes.
char g_temporaryName[PATH_MAX];
std::atomic<const char*> g_pTemporaryFile{nullptr};
static_assert(std::atomic<const char*>::is_always_lock_free);

sigset_t InterruptSet() {
  sigset_t set;
  sigemptyset(&set);
  for (const int signal : kInterrupts) sigaddset(&set, signal);
  return set;
}

// Only async-signal-safe calls: unlink, then the signal again, now with its
// default action (SA_RESETHAND restored it), which ends the program once this
// handler returns and the signal is no longer blocked.
extern "C" void RemoveTemporaryFileAndEnd(int signal) {
  if (const char* path = g_pTemporaryFile.load()) ::unlink(path);
  ::raise(signal);
}

}  // namespace

void InstallInterruptCleanup() {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGXFSZ, &ignore, nullptr);

  struct sigaction cleanup {};
  cleanup.sa_handler = RemoveTemporaryFileAndEnd;
  cleanup.sa_flags = SA_RESETHAND;
  sigemptyset(&cleanup.sa_mask);
  for (const int signal : kInterrupts) {
    struct sigaction current {};
    ::sigaction(signal, nullptr, &current);
    if (current.sa_handler != SIG_IGN) ::sigaction(signal, &cleanup, nullptr);
  }
}

void RegisterTemporaryFile(const char* path) {
  g_pTemporaryFile.store(nullptr);
  if (std::strlen(path) >= sizeof g_temporaryName) return;  // no such name can have been created
  std::strcpy(g_temporaryName, path);
  g_pTemporaryFile.store(g_temporaryName);
}

void UnregisterTemporaryFile() { g_pTemporaryFile.store(nullptr); }

BlockedInterrupts::BlockedInterrupts() {
  const sigset_t interrupts = InterruptSet();
  ::pthread_sigmask(SIG_BLOCK, &interrupts, &m_previous);
}

BlockedInterrupts::~BlockedInterrupts() { ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
