#pragma once

#include <sys/resource.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/ChildProcess.h"

// What one run of the td4 program gave.
struct Td4Result {
  int status;  // exit status, or -1 when it did not exit normally
  std::string out;
  std::string err;
};

// How td4 is started, beyond its arguments.
struct Td4Options {
  std::string folder;                // working folder; empty: the test's own
  std::optional<std::string> input;  // fed through a pipe; nothing: /dev/null
  std::string inputFile;             // standard input comes from there instead (`< FILE`), in folder
  bool outputToPipe = false;         // a pipe instead of a file, as `| wc -c` gives it
  bool outputToTerminal = false;     // a terminal (raw, without line-end translation)
  bool errorToTerminal = false;      // standard error to the same terminal, read into out; needs outputToTerminal
  std::string outputFile;            // standard output goes there instead (`> FILE`), not captured
  bool appendOutput = false;         // outputFile is opened for appending (`>> FILE`)
  rlim_t fileSizeLimit = RLIM_INFINITY;  // bytes, as ulimit -f sets it
  rlim_t memoryLimit = RLIM_INFINITY;    // bytes of address space, as ulimit -v sets it
  rlim_t taskLimit = RLIM_INFINITY;      // processes and threads of the user, as ulimit -u sets it (not for root)
  bool ordinaryUser = false;             // drop root's rights first (BecomeOrdinaryUser)
  uid_t ordinaryUid = kNobody;           // as whom
  // This process's environment changed by these (an empty value removes the variable).
  std::map<std::string, std::string> environment;
};

// Runs the built td4 with args and no standard input.
Td4Result RunTd4(const std::vector<std::string>& args);

Td4Result RunTd4(const std::vector<std::string>& args, const Td4Options& options);

// Runs the built td4 with args and no standard input, in this process's
// environment changed by environment (an empty value removes the variable).
Td4Result RunTd4(const std::vector<std::string>& args, const std::map<std::string, std::string>& environment);

// Starts the built td4 with args as RunTd4 does; the caller waits for it.
// Its standard output and error go to /dev/null.
int StartTd4(const std::vector<std::string>& args);
