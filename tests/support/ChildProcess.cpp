#include "tests/support/ChildProcess.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

bool BecomeOrdinaryUser(uid_t user) {
  if (::geteuid() != 0) return true;
  return ::setgroups(0, nullptr) == 0 && ::setgid(user) == 0 && ::setuid(user) == 0;
}

int RunInChild(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) _exit(body());
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}
