#include "listing/ExportFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "framework/AppInfo.h"
#include "tests/listing/ListingFixtures.h"
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

  EXPECT_TRUE(ExportListing(doc, 1, path));
  EXPECT_EQ(ReadText(path), WithCarriageReturns(kSevenLineFileText));
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST(ExportFileTest, LongListingArrivesWhole) {
  TempFolder folder;
  CDecoderDoc doc;
  FillDocument(doc, LongDesign());
  RecordingFile expected;
  ListTrackToFile(doc, 1, expected);

  EXPECT_TRUE(ExportListing(doc, 1, folder.Path("long.txt")));
  EXPECT_EQ(ReadText(folder.Path("long.txt")), WithCarriageReturns(expected.text));
}

TEST(ExportFileTest, PathThatCannotBeCreatedIsReportedOnce) {
  TempFolder folder;
  folder.Write("somefile", std::vector<std::uint8_t>{});
  const std::string paths[] = {
      folder.Path("missing/list.txt"),   // a folder that does not exist
      folder.Path(""),                   // the folder itself
      folder.Path("somefile/list.txt"),  // a file where a folder should be
  };
  CDecoderDoc doc;
  FillDocument(doc, SevenLineExample());
  for (const std::string& path : paths) {
    ScriptedMessageBox boxes;
    EXPECT_FALSE(ExportListing(doc, 1, path)) << path;
    ASSERT_EQ(boxes.Shown().size(), 1u) << path;
    EXPECT_EQ(boxes.Shown()[0].text, "Error creating output file");
    EXPECT_EQ(boxes.Shown()[0].caption, kAppTitle);
    EXPECT_EQ(boxes.Shown()[0].type, unsigned(MB_OK | MB_ICONINFORMATION));
  }
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"somefile"});
}

TEST(ExportFileTest, FullDiskAtTheFinalFlushIsTheFrameworksReport) {
  CDecoderDoc doc;
  FillDocument(doc, SevenLineExample());
  ScriptedMessageBox boxes;

  EXPECT_FALSE(ExportListing(doc, 1, "/dev/full"));
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Disk full while accessing /dev/full."});
}

TEST(ExportFileTest, FullDiskWhileListingIsReportedOnceAndTheFileStillCloses) {
  CDecoderDoc doc;
  FillDocument(doc, LongDesign());
  ScriptedMessageBox boxes;

  EXPECT_TRUE(ExportListing(doc, 1, "/dev/full"));
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Error writing output file"});
}

TEST(ExportFileTest, FailedWriteKeepsWhatWasWrittenBefore) {
  TempFolder folder;
  CDecoderDoc doc;
  FillDocument(doc, LongDesign());
  RecordingFile complete;
  ListTrackToFile(doc, 1, complete);
  ScriptedMessageBox boxes;
  {
    FileSizeLimit limit(100000);
    EXPECT_TRUE(ExportListing(doc, 1, folder.Path("cut.txt")));
  }
  const std::string written = ReadText(folder.Path("cut.txt"));
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Error writing output file"});
  EXPECT_GT(written.size(), 0u);
  EXPECT_LE(written.size(), 100000u);
  EXPECT_EQ(written, WithCarriageReturns(complete.text).substr(0, written.size()));
}

}  // namespace
