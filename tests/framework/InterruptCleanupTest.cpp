#include "framework/InterruptCleanup.h"

#include <sys/resource.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>

#include "framework/Exceptions.h"
#include "framework/FileAccess.h"
#include "tests/support/Bytes.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempFolder.h"

namespace {

const Bytes kOld = {0x01, 0x02, 0x03, 0x04, 0x05};
const Bytes kNew = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80, 0x90};
const COutputGuard kNothingRead({}, OutputKind::Design);

// A signal that ends the program half-way through a write takes the temporary
// file with it and still ends the program as that signal; the target stays.
TEST(InterruptCleanupTest, AnInterruptedWriteLeavesNothingBehind) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    TempFolder folder;
    const std::string path = folder.Write("design.td4", kOld);
    const int status = RunInChild([&] {
      InstallInterruptCleanup();
      CSafeOutputFile file(path, kNothingRead);
      file.Write(kNew);
      ::raise(signal);
      return 0;
    });
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << strsignal(signal) << ": " << status;
    EXPECT_EQ(ReadFileBytes(path), kOld) << strsignal(signal);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"design.td4"}) << strsignal(signal);
  }
}

// nohup and friends start a program with SIGHUP ignored; it stays so.
TEST(InterruptCleanupTest, ASignalIgnoredAtStartStaysIgnored) {
  const int status = RunInChild([] {
    std::signal(SIGHUP, SIG_IGN);
    InstallInterruptCleanup();
    ::raise(SIGHUP);
    return 7;
  });
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 7) << status;
}

// Past the file size limit (ulimit -f) a write fails with the usual report
// instead of SIGXFSZ ending the program with its temporary file left behind.
TEST(InterruptCleanupTest, WritingPastTheSizeLimitFailsAsAWrite) {
  TempFolder folder;
  const std::string path = folder.Write("design.td4", kOld);
  const int status = RunInChild([&] {
    InstallInterruptCleanup();
    const rlimit limit{4, 4};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
    try {
      WriteFileSafely(path, kNew, kNothingRead);
    } catch (const CFileException& failure) {
      return FailureReportText(failure) == path + " is too large." ? 0 : 1;
    }
    return 3;
  });
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(ReadFileBytes(path), kOld);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"design.td4"});
}

}  // namespace
