#pragma once

#include <functional>

#include <sys/types.h>

// The ids of nobody.
inline constexpr uid_t kNobody = 65534;

// Makes this process an ordinary user when it runs as root, so that file
// permissions apply to it as they do to everybody else (user's ids, nobody's
// unless told). Returns false when that fails.
bool BecomeOrdinaryUser(uid_t user = kNobody);

// Runs body in a child process and returns its raw wait status: a test can
// then see a signal end it, or change the child's signal dispositions and
// limits without touching the test program.
int RunInChild(const std::function<int()>& body);
