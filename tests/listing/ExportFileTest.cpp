#include "listing/ExportFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "framework/AppInfo.h"
#include "tests/listing/ListingFixtures.h"
#include "tests/support/LoadedDocument.h"
#include "tests/support/ScriptedMessageBox.h"
#include "tests/support/TempFolder.h"

namespace {

// Far more lines than the export buffers: Level and Up in turn never group.
DesignDescription LongDesign() {
  DesignDescription design;
  for (int i = 0; i < 20000; ++i) design.segments.push_back({std::uint8_t(i % 2 ? 4 : 0)});
  return design;
}

// Lets this process write no file beyond limit bytes; a longer write fails with EFBIG.
class FileSizeLimit {
public:
  explicit FileSizeLimit(rlim_t limit) {
    getrlimit(RLIMIT_FSIZE, &m_previous);
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = m_previous;
    lowered.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_previousHandler);
  }

private:
  rlimit m_previous{};
  void (*m_previousHandler)(int);
};

TEST(ExportFileTest, WritesTheListingWithCarriageReturnsOverAnyOldContent) {
  TempFolder folder;
  const std::string path = folder.Write("list.txt", std::vector<std::uint8_t>(5000, 'x'));
  CDecoderDoc doc;
  FillDocument(doc, SevenLineExample());
  ScriptedMessageBox boxes;

  EXPECT_EQ(ExportListing(doc, 1, path).result, ExportOutcome::Written);
  EXPECT_EQ(ReadText(path), WithCarriageReturns(kSevenLineFileText));
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST(ExportFileTest, LongListingArrivesWhole) {
  TempFolder folder;
  CDecoderDoc doc;
  FillDocument(doc, LongDesign());
  RecordingFile expected;
  ListTrackToFile(doc, 1, expected);

  EXPECT_EQ(ExportListing(doc, 1, folder.Path("long.txt")).result, ExportOutcome::Written);
  EXPECT_EQ(ReadText(folder.Path("long.txt")), WithCarriageReturns(expected.text));
}

// Each failure says why, in the framework's words; the export itself shows nothing.
TEST(ExportFileTest, PathThatCannotBeCreatedSaysWhy) {
  TempFolder folder;
  folder.Write("somefile", std::vector<std::uint8_t>{});
  const struct {
    std::string path;
    std::string reason;
  } cases[] = {
      {folder.Path("missing/list.txt"), "The folder " + folder.Path("missing") + " does not exist."},
      {folder.Path(""), folder.Path("") + " is a folder, not a file."},
      {folder.Path("somefile/list.txt"), folder.Path("somefile/list.txt") + " contains an invalid path."},
  };
  CDecoderDoc doc;
  FillDocument(doc, SevenLineExample());
  for (const auto& c : cases) {
    ScriptedMessageBox boxes;
    const ExportOutcome outcome = ExportListing(doc, 1, c.path);
    EXPECT_EQ(outcome.result, ExportOutcome::NotCreated) << c.path;
    EXPECT_EQ(outcome.reason, c.reason);
    EXPECT_TRUE(boxes.Shown().empty());
  }
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"somefile"});
}

TEST(ExportFileTest, FullDiskAtTheFinalFlushIsTheFrameworksReport) {
  CDecoderDoc doc;
  FillDocument(doc, SevenLineExample());
  ScriptedMessageBox boxes;

  const ExportOutcome outcome = ExportListing(doc, 1, "/dev/full");
  EXPECT_EQ(outcome.result, ExportOutcome::NotClosed);
  EXPECT_EQ(outcome.reason, "Disk full while accessing /dev/full.");
}

TEST(ExportFileTest, FullDeviceWhileListingIsReportedOnce) {
  CDecoderDoc doc;
  FillDocument(doc, LongDesign());
  ScriptedMessageBox boxes;

  const ExportOutcome outcome = ExportListing(doc, 1, "/dev/full");
  EXPECT_EQ(outcome.result, ExportOutcome::NotWritten);
  EXPECT_EQ(outcome.reason, "Disk full while accessing /dev/full.");
  EXPECT_TRUE(boxes.Shown().empty());
}

// A write that fails half-way (a full disk, a size limit) must not leave the
// old export cut short: it stays byte for byte, and nothing is left beside it.
TEST(ExportFileTest, FailedWriteKeepsTheOldFileWhole) {
  TempFolder folder;
  const std::vector<std::uint8_t> old(5000, 'x');
  const std::string path = folder.Write("list.txt", old);
  CDecoderDoc doc;
  FillDocument(doc, LongDesign());
  ScriptedMessageBox boxes;
  {
    FileSizeLimit limit(100000);
    const ExportOutcome outcome = ExportListing(doc, 1, path);
    EXPECT_EQ(outcome.result, ExportOutcome::NotWritten);
    EXPECT_EQ(outcome.reason, path + " is too large.");
  }
  EXPECT_EQ(ReadFileBytes(path), old);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"list.txt"});
}

// Written beside and renamed, the listing would take the design's place, also
// when the target is a hard or a symbolic link to it.
TEST(ExportFileTest, TheDesignsOwnFileIsRefused) {
  TempFolder folder;
  const Bytes design = BuildDesignFile(SevenLineExample());
  const std::string path = folder.Write("track.td4", design);
  ASSERT_EQ(::link(path.c_str(), folder.Path("hard.td4").c_str()), 0);
  std::filesystem::create_symlink("track.td4", folder.Path("soft.td4"));
  DocumentFixture fixture;
  ASSERT_TRUE(fixture.docTemplate.OpenDocumentFile(path));
  for (const std::string& target : {path, folder.Path("hard.td4"), folder.Path("soft.td4")}) {
    const ExportOutcome outcome = ExportListing(fixture.doc, 1, target);
    EXPECT_EQ(outcome.result, ExportOutcome::Refused) << target;
    EXPECT_EQ(outcome.reason, target + " is the design file itself; choose another file for the listing.");
  }
  EXPECT_EQ(ReadFileBytes(path), design);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"hard.td4", "soft.td4", "track.td4"}));
}

}  // namespace
