#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "examples/DesignBuilder.h"
#include "tests/support/FailingWriteCalls.h"
#include "tests/support/LoadedDocument.h"
#include "tests/support/ScriptedMessageBox.h"
#include "tests/support/TempFolder.h"

namespace {

// A circuit whose save rotates the list back into file order, so that a failed
// save also has to leave the document as it was shown.
DesignDescription Circuit() {
  DesignDescription design;
  design.segments = {{16}, {1, 0x08}, {2, 0x08}, {3}, {6, 0x80}, {4, 0x80}, {9, 0x80}, {40}, {17}, {0}};
  return design;
}

class SaveFaultTest : public ::testing::Test {
protected:
  void SetUp() override {
    original = BuildDesignFile(Circuit());
    path = folder.Write("circuit.td4", original);
    ASSERT_TRUE(fixture.docTemplate.OpenDocumentFile(path));
    shownCodes = fixture.Codes();
    // What a successful save writes: the design with a rewritten trailer offset.
    fixture.doc.m_bAltChecksum = 1;
    fixture.doc.SetModifiedFlag(true);
  }

  void ExpectUntouched(const ScriptedMessageBox& boxes, std::size_t failAt) {
    EXPECT_EQ(ReadFileBytes(path), original) << "fault at byte " << failAt;
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"circuit.td4"}) << "fault at byte " << failAt;
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Disk full while accessing " + path + "."});
    EXPECT_TRUE(fixture.doc.IsModified());
    EXPECT_EQ(fixture.Codes(), shownCodes);
  }

  TempFolder folder;
  DocumentFixture fixture;
  Bytes original;
  std::string path;
  std::vector<int> shownCodes;
};

TEST_F(SaveFaultTest, SaveAsFailingAtAnyByteKeepsTheOriginal) {
  for (std::size_t failAt = 0; failAt < original.size(); ++failAt) {
    ScriptedMessageBox boxes;
    FailingWriteCalls faults(failAt);
    EXPECT_FALSE(fixture.docTemplate.DoSave(path));
    ExpectUntouched(boxes, failAt);
  }
}

// A large design reaches the file in blocks while it is being packed: a write
// that fails half-way must still let the store path bring the list back into
// display order.
TEST_F(SaveFaultTest, LargeDesignFailingHalfWayKeepsTheOriginalAndTheShownOrder) {
  DesignDescription large = Circuit();
  for (int i = 0; i < 60000; ++i) large.segments.push_back({std::uint8_t(i % 2 ? 4 : 0)});
  original = BuildDesignFile(large);
  folder.Write("circuit.td4", original);
  ASSERT_TRUE(fixture.docTemplate.LoadDocument(original, original.size(), path));
  shownCodes = fixture.Codes();
  fixture.doc.SetModifiedFlag(true);
  ScriptedMessageBox boxes;
  FailingWriteCalls faults(original.size() / 2);
  EXPECT_FALSE(fixture.docTemplate.DoSave(path));
  ExpectUntouched(boxes, original.size() / 2);
}

TEST_F(SaveFaultTest, SaveQuestionYesFailingAtAnyByteKeepsTheOriginalAndStays) {
  for (std::size_t failAt = 0; failAt < original.size(); ++failAt) {
    ScriptedMessageBox boxes{IDYES};
    FailingWriteCalls faults(failAt);
    EXPECT_FALSE(fixture.docTemplate.SaveModified()) << "a failed save must not let the document go";
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[1].text, "Disk full while accessing " + path + ".");
    EXPECT_EQ(ReadFileBytes(path), original) << "fault at byte " << failAt;
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"circuit.td4"});
  }
}

TEST_F(SaveFaultTest, SaveThroughASymbolicLinkReplacesTheTargetAndKeepsTheLink) {
  const std::string link = folder.Path("link.td4");
  std::filesystem::create_symlink("circuit.td4", link);
  ScriptedMessageBox boxes;
  ASSERT_TRUE(fixture.docTemplate.DoSave(link));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFileBytes(path), BuildDesignFile(Circuit(), kAltChecksumOffset));
}

TEST_F(SaveFaultTest, OddTargetsAreNeverReplacedOrRemoved) {
  const std::string pipe = folder.Path("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::filesystem::create_directory(folder.Path("designs"));

  ScriptedMessageBox boxes;
  EXPECT_FALSE(fixture.docTemplate.DoSave("/dev/full"));
  EXPECT_FALSE(fixture.docTemplate.DoSave(folder.Path("designs")));
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Disk full while accessing /dev/full.",
                                                     folder.Path("designs") + " is a folder, not a file."}));
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path("designs")));
  EXPECT_TRUE(fixture.doc.IsModified());

  // A pipe is written in place once it has a reader (the design fits its buffer).
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_TRUE(fixture.docTemplate.DoSave(pipe));
  char arrived[4];
  EXPECT_EQ(::read(reader, arrived, sizeof arrived), ssize_t(sizeof arrived));
  ::close(reader);
  EXPECT_EQ(boxes.Shown().size(), 2u);
  struct stat status {};
  ASSERT_EQ(::stat(pipe.c_str(), &status), 0);
  EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

}  // namespace
