#pragma once

#include <functional>

// Makes this process an ordinary user when it runs as root, so that file
// permissions apply to it as they do to everybody else (nobody's ids). Returns
// false when that fails.
bool BecomeOrdinaryUser();

// Runs body in a child process and returns its raw wait status: a test can
// then see a signal end it, or change the child's signal dispositions and
// limits without touching the test program.
int RunInChild(const std::function<int()>& body);
