#include "framework/FileAccess.h"

#include <fcntl.h>
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
const COutputGuard kNothingRead({}, OutputKind::Design);

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
  WriteFileSafely(fresh, kNew, kNothingRead);
  EXPECT_EQ(ReadFileBytes(fresh), kNew);

  const std::string existing = folder.Write("existing.td4", kOld);
  ::chmod(existing.c_str(), 0640);
  WriteFileSafely(existing, kNew, kNothingRead);
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

  WriteFileSafely(link, kNew, kNothingRead);

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

  const std::string report = FailureOf([&] { WriteFileSafely(path, kNew, kNothingRead); });

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
  EXPECT_EQ(FailureOf([] { WriteFileSafely("/dev/full", kNew, kNothingRead); }), "Disk full while accessing /dev/full.");
  struct stat status {};
  ASSERT_EQ(::stat("/dev/full", &status), 0);
  EXPECT_TRUE(S_ISCHR(status.st_mode));
}

TEST(WriteFileSafelyTest, FolderIsRefusedAndLeftAlone) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path("designs"));
  EXPECT_EQ(FailureOf([&] { WriteFileSafely(folder.Path("designs"), kNew, kNothingRead); }),
            folder.Path("designs") + " is a folder, not a file.");
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path("designs")));
}

TEST(WriteFileSafelyTest, MissingFolderIsReportedAsSuch) {
  TempFolder folder;
  const std::string path = folder.Path("no/such/folder.td4");
  EXPECT_EQ(FailureOf([&] { WriteFileSafely(path, kNew, kNothingRead); }), "The folder " + folder.Path("no/such") + " does not exist.");
}

TEST(WriteFileSafelyTest, TheLongestNameStillFitsBesideItself) {
  TempFolder folder;
  const std::string name = std::string(251, 'n') + ".td4";  // 255 bytes, as long as a name can be
  WriteFileSafely(folder.Path(name), kOld, kNothingRead);
  WriteFileSafely(folder.Path(name), kNew, kNothingRead);
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
    WriteFileSafely(name, kNew, kNothingRead);
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
    return FailureOf([&] { WriteFileSafely(path, kNew, kNothingRead); }) == path + " is read-only." ? 0 : 1;
  });
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(ReadFileBytes(path), kOld);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"design.td4"});
}

// Every way of naming a command's input as its output, by the kind of output:
// refused before anything is created, the input left as it was.
TEST(OutputGuardTest, RefusesEveryNameOfAnInputButLetsADesignReplaceItsOwnFile) {
  TempFolder folder;
  const std::string design = folder.Write("track.td4", kOld);
  ASSERT_EQ(::link(design.c_str(), folder.Path("hard.td4").c_str()), 0);
  std::filesystem::create_symlink("track.td4", folder.Path("soft.td4"));
  folder.Write("other.td4", kOld);
  const int appending = ::open(design.c_str(), O_WRONLY | O_APPEND);
  ASSERT_GE(appending, 0);
  const std::string fd = std::to_string(appending);
  const struct {
    std::string output;
    bool listingRefused;  // a listing or a picture written there
    bool designRefused;   // the design itself written again there
  } cases[] = {
      {design, true, false},  // replaced by rename: a save
      {folder.Path("hard.td4"), true, false},
      {folder.Path("soft.td4"), true, false},
      {"/dev/fd/" + fd, true, true},  // written into: the old bytes would stay
      {"/proc/self/fd/" + fd, true, true},
      {folder.Path("other.td4"), false, false},
      {folder.Path("new.txt"), false, false},
      {"/dev/null", false, false},  // a device holds nothing to lose
  };
  for (const auto& c : cases) {
    for (const OutputKind kind : {OutputKind::Listing, OutputKind::Picture, OutputKind::Design}) {
      const bool refused = kind == OutputKind::Design ? c.designRefused : c.listingRefused;
      const COutputGuard guard({folder.Path("other.td4") + ".missing", design}, kind);
      std::string report;
      try {
        CSafeOutputFile file(c.output, guard);
      } catch (const COutputIsInputException& refusal) {
        report = FailureReportText(refusal);
      }
      const char* noun = kind == OutputKind::Design ? "design" : kind == OutputKind::Listing ? "listing" : "picture";
      EXPECT_EQ(report, refused ? c.output + " is the design file itself; choose another file for the " + noun + "."
                                : "")
          << c.output << ", " << noun;
    }
  }
  ::close(appending);
  EXPECT_EQ(ReadFileBytes(design), kOld);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"hard.td4", "other.td4", "soft.td4", "track.td4"}));
}

// Standard input as the input, standard output as the output: the same file
// when a shell opened both on the design (td4 save - -o - < d.td4 >> d.td4).
TEST(OutputGuardTest, StandardOutputIsRefusedWhenItIsTheDesignOnStandardInput) {
  TempFolder folder;
  const std::string design = folder.Write("track.td4", kOld);
  const int status = RunInChild([&] {
    const int input = ::open(design.c_str(), O_RDONLY);
    const int output = ::open(design.c_str(), O_WRONLY | O_APPEND);
    if (input < 0 || output < 0 || ::dup2(input, STDIN_FILENO) < 0 || ::dup2(output, STDOUT_FILENO) < 0) return 2;
    try {
      WriteFileSafely("-", kNew, COutputGuard({"-"}, OutputKind::Design));
    } catch (const COutputIsInputException& refusal) {
      return FailureReportText(refusal) ==
                     "standard output is the design file itself; choose another file for the design."
                 ? 0
                 : 1;
    }
    return 3;
  });
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(ReadFileBytes(design), kOld);
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
