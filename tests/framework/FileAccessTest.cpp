#include "framework/FileAccess.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "framework/Exceptions.h"
#include "tests/support/Bytes.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FailingWriteCalls.h"
#include "tests/support/TempFolder.h"

namespace {

const Bytes kOld = {0x01, 0x02, 0x03, 0x04, 0x05};
const Bytes kNew = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x80, 0x90};

// Runs an action that must fail with a file exception; returns the report text.
template <typename Action>
std::string FailureOf(Action action) {
  try {
    action();
  } catch (const CFileException& failure) {
    return FailureReportText(failure);
  }
  ADD_FAILURE() << "no file exception";
  return {};
}

TEST(ReadFilePrefixTest, ReadsWholeFileOrOnlyItsBeginning) {
  TempFolder folder;
  const std::string path = folder.Write("design.td4", kNew);

  const FilePrefix whole = ReadFilePrefix(path, 100);
  EXPECT_EQ(whole.bytes, kNew);
  EXPECT_EQ(whole.length, kNew.size());

  const FilePrefix start = ReadFilePrefix(path, 4);
  EXPECT_EQ(start.bytes, Bytes(kNew.begin(), kNew.begin() + 4));
  EXPECT_EQ(start.length, kNew.size());
}

TEST(ReadFilePrefixTest, EndlessStreamReadsAsLongerThanTheCap) {
  const FilePrefix zeros = ReadFilePrefix("/dev/zero", 1000);
  EXPECT_EQ(zeros.bytes, Bytes(1000, 0));
  EXPECT_EQ(zeros.length, 1001u);
}

TEST(ReadFilePrefixTest, ReportsMissingFilesAndFoldersByName) {
  TempFolder folder;
  EXPECT_EQ(FailureOf([&] { ReadFilePrefix(folder.Path("gone.td4"), 100); }), folder.Path("gone.td4") + " was not found.");
  EXPECT_EQ(FailureOf([&] { ReadFilePrefix(folder.Path(""), 100); }), folder.Path("") + " is a folder, not a file.");
}

TEST(WriteFileSafelyTest, CreatesOrReplacesKeepingTheFilesMode) {
  TempFolder folder;
  const std::string fresh = folder.Path("fresh.td4");
  WriteFileSafely(fresh, kNew);
  EXPECT_EQ(ReadFileBytes(fresh), kNew);

  const std::string existing = folder.Write("existing.td4", kOld);
  ::chmod(existing.c_str(), 0640);
  WriteFileSafely(existing, kNew);
  EXPECT_EQ(ReadFileBytes(existing), kNew);
  struct stat status {};
  ::stat(existing.c_str(), &status);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"existing.td4", "fresh.td4"}));
}

TEST(WriteFileSafelyTest, SymbolicLinkStaysALinkAndItsTargetIsReplaced) {
  TempFolder folder;
  const std::string target = folder.Write("real.td4", kOld);
  const std::string link = folder.Path("link.td4");
  std::filesystem::create_symlink("real.td4", link);

  WriteFileSafely(link, kNew);

  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFileBytes(target), kNew);
}

// Each way the write can break half-way: the old file must stay byte for byte,
// no temporary file may be left, and the report must name the file.
struct FaultCase {
  const char* name;
  friend void PrintTo(const FaultCase& value, std::ostream* out) { *out << value.name; }
  std::size_t failAtByte;
  bool failSync;
  bool failRename;
  const char* report;
};

class WriteFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(WriteFaultTest, OldFileSurvivesAndNothingIsLeftBehind) {
  TempFolder folder;
  const std::string path = folder.Write("design.td4", kOld);
  FailingWriteCalls faults(GetParam().failAtByte);
  faults.failSync = GetParam().failSync;
  faults.failRename = GetParam().failRename;

  const std::string report = FailureOf([&] { WriteFileSafely(path, kNew); });

  std::string expected = GetParam().report;
  expected.replace(expected.find("%1"), 2, path);
  EXPECT_EQ(report.rfind(expected, 0), 0u) << report;
  EXPECT_EQ(ReadFileBytes(path), kOld);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"design.td4"});
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WriteFaultTest,
    ::testing::Values(FaultCase{"FirstByte", 0, false, false, "Disk full while accessing %1."},
                      FaultCase{"HalfWay", 4, false, false, "Disk full while accessing %1."},
                      FaultCase{"LastByte", 8, false, false, "Disk full while accessing %1."},
                      FaultCase{"Flush", FailingWriteCalls::kNever, true, false, "An unexpected error occurred while accessing %1."},
                      FaultCase{"Rename", FailingWriteCalls::kNever, false, true, "An unexpected error occurred while accessing %1."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteFileSafelyTest, DeviceIsWrittenInPlaceNeverReplaced) {
  EXPECT_EQ(FailureOf([] { WriteFileSafely("/dev/full", kNew); }), "Disk full while accessing /dev/full.");
  struct stat status {};
  ASSERT_EQ(::stat("/dev/full", &status), 0);
  EXPECT_TRUE(S_ISCHR(status.st_mode));
}

TEST(WriteFileSafelyTest, FolderIsRefusedAndLeftAlone) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path("designs"));
  EXPECT_EQ(FailureOf([&] { WriteFileSafely(folder.Path("designs"), kNew); }),
            folder.Path("designs") + " is a folder, not a file.");
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path("designs")));
}

TEST(WriteFileSafelyTest, MissingFolderIsReportedAsSuch) {
  TempFolder folder;
  const std::string path = folder.Path("no/such/folder.td4");
  EXPECT_EQ(FailureOf([&] { WriteFileSafely(path, kNew); }), "The folder " + folder.Path("no/such") + " does not exist.");
}

TEST(WriteFileSafelyTest, TheLongestNameStillFitsBesideItself) {
  TempFolder folder;
  const std::string name = std::string(251, 'n') + ".td4";  // 255 bytes, as long as a name can be
  WriteFileSafely(folder.Path(name), kOld);
  WriteFileSafely(folder.Path(name), kNew);
  EXPECT_EQ(ReadFileBytes(folder.Path(name)), kNew);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{name});
}

// The names of this process's own descriptors lead to an open file (here a
// pipe), not to a name that a rename could replace: they are written in place.
TEST(WriteFileSafelyTest, DescriptorNamesAreWrittenInPlace) {
  TempFolder folder;
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const std::string fd = std::to_string(ends[1]);
  std::filesystem::create_symlink("/proc/self/fd/" + fd, folder.Path("link"));
  for (const std::string& name : {"/dev/fd/" + fd, "/proc/self/fd/" + fd, folder.Path("link")}) {
    WriteFileSafely(name, kNew);
    Bytes arrived(kNew.size());
    ASSERT_EQ(::read(ends[0], arrived.data(), arrived.size()), ssize_t(kNew.size())) << name;
    EXPECT_EQ(arrived, kNew) << name;
  }
  ::close(ends[0]);
  ::close(ends[1]);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"link"});
}

// As the ordinary user the desktop program and td4 run as: the folder would
// let the rename replace the file, but the file itself says no.
TEST(WriteFileSafelyTest, AReadOnlyFileIsRefusedAndKept) {
  TempFolder folder;
  const std::string path = folder.Write("design.td4", kOld);
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  ASSERT_EQ(::chmod(folder.Path("").c_str(), 0777), 0);
  const int status = RunInChild([&] {
    if (!BecomeOrdinaryUser()) return 2;
    return FailureOf([&] { WriteFileSafely(path, kNew); }) == path + " is read-only." ? 0 : 1;
  });
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(ReadFileBytes(path), kOld);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"design.td4"});
}

TEST(WouldReplaceTest, SameRegularFileThroughAnyNameButNotStreams) {
  TempFolder folder;
  const std::string design = folder.Write("track.td4", kOld);
  ASSERT_EQ(::link(design.c_str(), folder.Path("hard.td4").c_str()), 0);
  std::filesystem::create_symlink("track.td4", folder.Path("soft.td4"));
  folder.Write("other.td4", kOld);

  EXPECT_TRUE(WouldReplace(design, design));
  EXPECT_TRUE(WouldReplace(folder.Path("hard.td4"), design));
  EXPECT_TRUE(WouldReplace(folder.Path("soft.td4"), design));
  EXPECT_FALSE(WouldReplace(folder.Path("other.td4"), design));
  EXPECT_FALSE(WouldReplace(folder.Path("new.txt"), design));
  EXPECT_FALSE(WouldReplace("-", design));
  EXPECT_FALSE(WouldReplace("/dev/null", "/dev/null"));  // a device is written in place, never replaced
}

TEST(IsSameFileTest, ComparesFilesNotNames) {
  TempFolder folder;
  const std::string lower = folder.Write("track.td4", kOld);
  const std::string upper = folder.Write("TRACK.td4", kOld);
  std::filesystem::create_symlink("track.td4", folder.Path("alias.td4"));

  EXPECT_TRUE(IsSameFile(lower, folder.Path("alias.td4")));
  EXPECT_TRUE(IsSameFile(lower, folder.Path("./track.td4")));
  EXPECT_FALSE(IsSameFile(lower, upper));
  EXPECT_FALSE(IsSameFile(lower, folder.Path("gone.td4")));
  EXPECT_FALSE(IsSameFile("", lower));
}

}  // namespace
