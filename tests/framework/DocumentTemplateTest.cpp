#include "framework/DocumentTemplate.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "framework/AppInfo.h"
#include "framework/Archive.h"
#include "tests/support/Bytes.h"
#include "tests/support/FailingWriteCalls.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/ScriptedMessageBox.h"
#include "tests/support/TempFolder.h"

namespace {

// A document that holds its file's bytes; a file starting with '!' is cut short
// on purpose, to stand for any framework failure while loading, and one
// starting with '?' is refused, as a document refuses a file it cannot use.
class BytesDocument : public CDocument {
public:
  void DeleteContents() override {
    content.clear();
    ++deletions;
  }
  bool IsEmpty() const override { return content.empty(); }
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) {
      ar.WriteBytes(content);
      return;
    }
    const auto bytes = ar.ReadBytes(std::size_t(ar.GetLength()));
    content.assign(bytes.begin(), bytes.end());
    if (!content.empty() && content[0] == '!') ar.ReadBytes(1);
    if (!content.empty() && content[0] == '?') DeleteContents();
  }

  Bytes content;
  int deletions = 0;
};

class DocumentTemplateTest : public ::testing::Test {
protected:
  DocumentTemplateTest() { docTemplate.OnFileNew(); }

  std::string Design(const std::string& name, const Bytes& bytes) { return folder.Write(name, bytes); }

  TempFolder folder;
  BytesDocument doc;
  RecordingHost host;
  CSingleDocTemplate docTemplate{doc, host};
  ScriptedMessageBox boxes;
};

TEST_F(DocumentTemplateTest, NewDocumentIsUntitledAndUnmodified) {
  EXPECT_EQ(doc.GetTitle(), kUntitledTitle);
  EXPECT_EQ(doc.GetPathName(), "");
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(host.initialUpdates, 1);
}

TEST_F(DocumentTemplateTest, OpenLoadsTheFileAndTakesItsName) {
  const std::string path = Design("Wild One.td4", {1, 2, 3});
  ASSERT_TRUE(docTemplate.OpenDocumentFile(path));
  EXPECT_EQ(doc.content, (Bytes{1, 2, 3}));
  EXPECT_EQ(doc.GetTitle(), "Wild One.td4");
  EXPECT_EQ(doc.GetPathName(), path);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(host.initialUpdates, 2);
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(DocumentTemplateTest, OpeningTheOpenFileAgainNeitherAsksNorReads) {
  const std::string path = Design("a.td4", {1});
  ASSERT_TRUE(docTemplate.OpenDocumentFile(path));
  doc.content = {9};
  doc.SetModifiedFlag(true);
  ASSERT_TRUE(docTemplate.OpenDocumentFile(folder.Path("./a.td4")));
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(doc.content, Bytes{9});
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentTemplateTest, NamesDifferingOnlyInCaseAreDifferentFiles) {
  ASSERT_TRUE(docTemplate.OpenDocumentFile(Design("track.td4", {1})));
  ASSERT_TRUE(docTemplate.OpenDocumentFile(Design("TRACK.td4", {2})));
  EXPECT_EQ(doc.content, Bytes{2});
}

TEST_F(DocumentTemplateTest, EmptyFileIsNotSerialized) {
  const int deletions = doc.deletions;
  ASSERT_TRUE(docTemplate.OpenDocumentFile(Design("empty.td4", {})));
  EXPECT_EQ(doc.deletions, deletions + 1);  // only the emptying before every load
  EXPECT_EQ(host.initialUpdates, 2);
}

// A file the document refuses counts as opened, but the document stays the
// empty untitled one: the file's name is not shown, and opening it again
// (after it was mended, or to answer differently) reads it again.
TEST_F(DocumentTemplateTest, RefusedFileLeavesTheUntitledDocument) {
  for (const Bytes& refused : {Bytes{'?', 1}, Bytes{}}) {
    ASSERT_TRUE(docTemplate.OpenDocumentFile(Design("kept.td4", {5})));
    const std::string path = Design("refused.td4", refused);
    const int updates = host.initialUpdates;

    EXPECT_TRUE(docTemplate.OpenDocumentFile(path));
    EXPECT_TRUE(doc.content.empty());
    EXPECT_EQ(doc.GetTitle(), kUntitledTitle);
    EXPECT_EQ(doc.GetPathName(), "");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(host.initialUpdates, updates + 1);

    Design("refused.td4", {1, 2});
    EXPECT_TRUE(docTemplate.OpenDocumentFile(path));
    EXPECT_EQ(doc.content, (Bytes{1, 2}));
    EXPECT_EQ(doc.GetPathName(), path);
  }
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(DocumentTemplateTest, MissingFileIsReportedAndTheDocumentKept) {
  ASSERT_TRUE(docTemplate.OpenDocumentFile(Design("kept.td4", {5})));
  const int deletions = doc.deletions;
  EXPECT_FALSE(docTemplate.OpenDocumentFile(folder.Path("gone.td4")));
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, folder.Path("gone.td4") + " was not found.");
  EXPECT_EQ(boxes.Shown()[0].caption, kAppTitle);
  EXPECT_EQ(doc.content, Bytes{5});
  EXPECT_EQ(doc.deletions, deletions);
  EXPECT_EQ(doc.GetTitle(), "kept.td4");
}

TEST_F(DocumentTemplateTest, FailedLoadEmptiesTheDocumentAndReportsIt) {
  ASSERT_TRUE(docTemplate.OpenDocumentFile(Design("kept.td4", {5})));
  EXPECT_FALSE(docTemplate.OpenDocumentFile(Design("cut.td4", {'!', 1})));
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Unexpected file format."});
  EXPECT_TRUE(doc.content.empty());
  EXPECT_EQ(doc.GetTitle(), kUntitledTitle);
  EXPECT_FALSE(doc.IsModified());
}

// The save question before another file replaces a modified document.
struct QuestionCase {
  const char* name;
  friend void PrintTo(const QuestionCase& value, std::ostream* out) { *out << value.name; }
  int answer;
  bool opens;
  Bytes savedContent;
};

class SaveQuestionTest : public DocumentTemplateTest, public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(SaveQuestionTest, AnswerDecidesWhatHappens) {
  const std::string first = Design("first.td4", {1});
  ASSERT_TRUE(docTemplate.OpenDocumentFile(first));
  doc.content = {7, 7};
  doc.SetModifiedFlag(true);
  boxes.Answer(GetParam().answer);

  EXPECT_EQ(docTemplate.OpenDocumentFile(Design("second.td4", {2})), GetParam().opens);

  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, "Save changes to first.td4?");
  EXPECT_EQ(boxes.Shown()[0].type & MB_TYPEMASK, unsigned(MB_YESNOCANCEL));
  EXPECT_EQ(ReadFileBytes(first), GetParam().savedContent);
  EXPECT_EQ(host.saveAsPrompts, 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveQuestionTest,
                         ::testing::Values(QuestionCase{"YesSavesToItsOwnFile", IDYES, true, {7, 7}},
                                           QuestionCase{"NoDropsTheChanges", IDNO, true, {1}},
                                           QuestionCase{"CancelKeepsEverything", IDCANCEL, false, {1}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentTemplateTest, YesForAFileThatIsGoneAsksWhereToSave) {
  const std::string first = Design("first.td4", {1});
  ASSERT_TRUE(docTemplate.OpenDocumentFile(first));
  std::filesystem::remove(first);
  doc.SetModifiedFlag(true);
  boxes.Answer(IDYES);

  host.saveAsAnswer.reset();
  EXPECT_FALSE(docTemplate.SaveModified());
  EXPECT_EQ(host.saveAsPrompts, 1);

  boxes.Answer(IDYES);
  host.saveAsAnswer = folder.Path("elsewhere.td4");
  EXPECT_TRUE(docTemplate.SaveModified());
  EXPECT_EQ(ReadFileBytes(folder.Path("elsewhere.td4")), Bytes{1});
  EXPECT_EQ(doc.GetTitle(), "elsewhere.td4");
}

TEST_F(DocumentTemplateTest, SaveWritesTheOwnFileOrAsksWhereWithoutOne) {
  doc.content = {3};
  host.saveAsAnswer.reset();
  EXPECT_FALSE(docTemplate.OnFileSave());
  EXPECT_EQ(host.saveAsPrompts, 1);
  EXPECT_TRUE(folder.Entries().empty());

  const std::string named = folder.Path("named.td4");
  host.saveAsAnswer = named;
  EXPECT_TRUE(docTemplate.OnFileSave());
  EXPECT_EQ(ReadFileBytes(named), Bytes{3});
  EXPECT_EQ(doc.GetTitle(), "named.td4");

  doc.content = {4};
  doc.SetModifiedFlag(true);
  EXPECT_TRUE(docTemplate.OnFileSave());
  EXPECT_EQ(host.saveAsPrompts, 2);
  EXPECT_EQ(ReadFileBytes(named), Bytes{4});
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(host.titleChanges, 2);
}

TEST_F(DocumentTemplateTest, SaveAsksBeforeReplacingEachOpenedFileOnce) {
  const std::string first = Design("first.td4", {1});
  const std::string second = Design("second.td4", {2});
  ASSERT_TRUE(docTemplate.OpenDocumentFile(first));
  doc.content = {3};
  doc.SetModifiedFlag(true);

  boxes.Answer(IDNO);
  EXPECT_FALSE(docTemplate.OnFileSave());
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Replace first.td4 with the changed design?"});
  EXPECT_EQ(ReadFileBytes(first), Bytes{1});
  EXPECT_TRUE(doc.IsModified());

  boxes.Answer(IDYES);
  EXPECT_TRUE(docTemplate.OnFileSave());
  EXPECT_EQ(ReadFileBytes(first), Bytes{3});
  doc.content = {4};
  EXPECT_TRUE(docTemplate.OnFileSave());
  EXPECT_EQ(ReadFileBytes(first), Bytes{4});
  EXPECT_EQ(boxes.Shown().size(), 2u);

  // Another file opened is asked about again.
  ASSERT_TRUE(docTemplate.OpenDocumentFile(second));
  doc.SetModifiedFlag(true);
  EXPECT_FALSE(docTemplate.OnFileSave());
  EXPECT_EQ(boxes.Texts().back(), "Replace second.td4 with the changed design?");
  EXPECT_EQ(ReadFileBytes(second), Bytes{2});
}

TEST_F(DocumentTemplateTest, FailedSaveKeepsTheFileAndTheUnsavedChanges) {
  const std::string path = Design("kept.td4", {1, 2, 3});
  ASSERT_TRUE(docTemplate.OpenDocumentFile(path));
  doc.content = {4, 5, 6, 7};
  doc.SetModifiedFlag(true);
  FailingWriteCalls faults(2);

  EXPECT_FALSE(docTemplate.DoSave(path));

  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Disk full while accessing " + path + "."});
  EXPECT_EQ(ReadFileBytes(path), (Bytes{1, 2, 3}));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"kept.td4"});
}

TEST_F(DocumentTemplateTest, SaveAsMakesTheNewFileTheDocumentsOwn) {
  ASSERT_TRUE(docTemplate.OpenDocumentFile(Design("old.td4", {1})));
  doc.SetModifiedFlag(true);
  ASSERT_TRUE(docTemplate.DoSave(folder.Path("new.td4")));
  EXPECT_EQ(doc.GetTitle(), "new.td4");
  EXPECT_EQ(doc.GetPathName(), folder.Path("new.td4"));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(host.titleChanges, 1);
  EXPECT_EQ(ReadFileBytes(folder.Path("new.td4")), Bytes{1});
}

}  // namespace
