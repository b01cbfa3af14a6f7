#include <gtest/gtest.h>

#include <cstdio>

#include "examples/DesignBuilder.h"
#include "framework/AppInfo.h"
#include "tests/support/LoadedDocument.h"
#include "tests/support/ScriptedMessageBox.h"
#include "tests/support/ScriptedQuestions.h"

namespace {

const std::string kChecksumQuestionStart = "Checksum calculation failed.\nExpected = 0X";

DesignDescription SmallCircuit() {
  DesignDescription design;
  design.segments = {{2, 0x08}, {3}, {1, 0x08}, {16}, {0}, {17}};
  return design;
}

Bytes WithWrongTrailer(Bytes file) {
  file.back() ^= 0x5A;
  return file;
}

// Feeds the body bytes through the running checksum; used to write trailers
// for bodies that the packer itself never writes.
Bytes WithTrailer(const Bytes& body, std::uint32_t offset = kNormalChecksumOffset) {
  std::uint32_t checksum = 0;
  for (std::uint8_t byte : body) ChecksumStep(checksum, byte);
  return Concat({body, LittleEndian(checksum - offset)});
}

TEST(DocumentLoadTest, NormalTrailerLoadsTheDesignQuietly) {
  DocumentFixture fixture;
  ScriptedMessageBox boxes;
  const Bytes design = BuildDesign(SmallCircuit());

  ASSERT_TRUE(fixture.Load(PackDesignFile(design), "/designs/Small Circuit.td4"));

  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(fixture.Design(), design);
  EXPECT_EQ(fixture.doc.m_bBadChecksum, 0);
  EXPECT_EQ(fixture.doc.m_bAltChecksum, 0);
  EXPECT_EQ(fixture.doc.m_nDataAlloc % 1024, 0);
  EXPECT_GT(fixture.doc.m_nDataAlloc, fixture.doc.m_nDataLen);
  EXPECT_FALSE(fixture.doc.IsModified());
  EXPECT_EQ(fixture.doc.GetTitle(), "Small Circuit.td4");
  EXPECT_EQ(fixture.doc.GetPathName(), "/designs/Small Circuit.td4");
  EXPECT_EQ(fixture.host.initialUpdates, 2);  // the empty start, then the loaded design
}

TEST(DocumentLoadTest, AlternativeTrailerMarksTheOtherEdition) {
  DocumentFixture fixture;
  ScriptedMessageBox boxes;
  ASSERT_TRUE(fixture.Load(BuildDesignFile(SmallCircuit(), kAltChecksumOffset)));
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(fixture.doc.m_bBadChecksum, 0);
  EXPECT_EQ(fixture.doc.m_bAltChecksum, 1);
}

TEST(DocumentLoadTest, WrongTrailerAsksWithTheTrailerAndTheAlternativeChecksum) {
  DocumentFixture fixture;
  ScriptedMessageBox boxes{IDYES};
  // Body FE 41 00 42 has the checksum 0x000E6410; the question quotes it minus 120001.
  const Bytes file = {0xFE, 0x41, 0x00, 0x42, 0x78, 0x56, 0x34, 0x12};
  fixture.Load(file);

  ASSERT_EQ(boxes.Shown().size(), 2u);  // the design is far too short: the track-data error follows
  const MessageBoxRequest& question = boxes.Shown()[0];
  EXPECT_EQ(question.text, "Checksum calculation failed.\nExpected = 0X12345678\nActual = 0X000c8f4f\n\nContinue anyway?");
  EXPECT_EQ(question.caption, kAppTitle);
  EXPECT_EQ(question.type, unsigned(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(question.owner, MessageOwner::MainWindow);
}

TEST(DocumentLoadTest, WrongTrailerAnsweredNoEmptiesTheDocumentButTheOpenSucceeds) {
  DocumentFixture fixture;
  ScriptedMessageBox boxes{IDNO};
  ASSERT_TRUE(fixture.Load(WithWrongTrailer(BuildDesignFile(SmallCircuit())), "/designs/bad.td4"));
  EXPECT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(fixture.doc.m_pData, nullptr);
  EXPECT_EQ(fixture.doc.m_nSegments, 0);
  EXPECT_EQ(fixture.doc.m_bBadChecksum, 1);
  // The refused file is not the document's: it stays untitled.
  EXPECT_EQ(fixture.doc.GetTitle(), kUntitledTitle);
  EXPECT_EQ(fixture.doc.GetPathName(), "");
}

TEST(DocumentLoadTest, WrongTrailerAnsweredYesLoadsAsUnknownEdition) {
  DocumentFixture fixture;
  ScriptedMessageBox boxes{IDYES};
  ASSERT_TRUE(fixture.Load(WithWrongTrailer(BuildDesignFile(SmallCircuit(), kAltChecksumOffset))));
  EXPECT_EQ(fixture.doc.m_bBadChecksum, 1);
  EXPECT_EQ(fixture.doc.m_bAltChecksum, 0);
  EXPECT_EQ(fixture.doc.m_nSegments, 6);
}

TEST(DocumentLoadTest, HedgeMazeIsRefusedWithoutOwnerOrIcon) {
  DocumentFixture fixture;
  ScriptedMessageBox boxes;
  DesignDescription maze = SmallCircuit();
  maze.rideType = 20;
  ASSERT_TRUE(fixture.Load(BuildDesignFile(maze)));

  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, "Hedge mazes are not supported");
  EXPECT_EQ(boxes.Shown()[0].caption, kAppTitle);
  EXPECT_EQ(boxes.Shown()[0].type, unsigned(MB_OK));
  EXPECT_EQ(boxes.Shown()[0].owner, MessageOwner::None);
  EXPECT_EQ(fixture.doc.m_pData, nullptr);
}

TEST(DocumentLoadTest, HedgeMazeWithWrongTrailerAsksTheChecksumQuestionFirst) {
  DocumentFixture fixture;
  ScriptedMessageBox boxes{IDYES};
  DesignDescription maze = SmallCircuit();
  maze.rideType = 20;
  fixture.Load(WithWrongTrailer(BuildDesignFile(maze)));

  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[0].text.rfind(kChecksumQuestionStart, 0), 0u);
  EXPECT_EQ(boxes.Shown()[1].text, "Hedge mazes are not supported");
}

TEST(DocumentLoadTest, EmptyBodyLoadsWithoutBufferOrSegments) {
  DocumentFixture fixture;
  ScriptedMessageBox boxes;
  ASSERT_TRUE(fixture.Load(PackDesignFile({})));
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(fixture.doc.m_pData, nullptr);
  EXPECT_EQ(fixture.doc.m_nSegments, 0);
  EXPECT_EQ(fixture.doc.m_bBadChecksum, 0);

  ScriptedMessageBox wrong{IDYES};
  ASSERT_TRUE(fixture.Load({0, 0, 0, 0}, "/designs/zero.td4"));
  EXPECT_EQ(wrong.Texts(), (std::vector<std::string>{
                               "Checksum calculation failed.\nExpected = 0X00000000\nActual = 0Xfffe2b3f\n\nContinue anyway?"}));
  EXPECT_EQ(fixture.doc.m_bBadChecksum, 1);
}

TEST(DocumentLoadTest, EmptyFileIsNotReadAndCountsAsOpened) {
  DocumentFixture fixture;
  ScriptedMessageBox boxes;
  ASSERT_TRUE(fixture.Load({}, "/designs/empty.td4"));
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(fixture.doc.m_pData, nullptr);
  EXPECT_EQ(fixture.doc.m_bBadChecksum, 1);
  EXPECT_EQ(fixture.doc.GetTitle(), kUntitledTitle);
}

// Files that end before the unpacker has what it needs: each must end with the
// framework's end-of-file report and leave nothing of the design behind.
struct TruncatedCase {
  const char* name;
  friend void PrintTo(const TruncatedCase& value, std::ostream* out) { *out << value.name; }
  Bytes file;
};

class TruncatedFileTest : public ::testing::TestWithParam<TruncatedCase> {};

TEST_P(TruncatedFileTest, ReportsUnexpectedFileFormat) {
  DocumentFixture fixture;
  ScriptedMessageBox boxes;
  ASSERT_TRUE(fixture.Load(BuildDesignFile(SmallCircuit()), "/designs/before.td4"));

  EXPECT_FALSE(fixture.Load(GetParam().file, "/designs/broken.td4"));

  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, "Unexpected file format.");
  EXPECT_EQ(boxes.Shown()[0].caption, kAppTitle);
  EXPECT_EQ(boxes.Shown()[0].type, unsigned(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(fixture.doc.m_pData, nullptr);
  EXPECT_EQ(fixture.doc.m_nSegments, 0);
  EXPECT_EQ(fixture.doc.GetTitle(), kUntitledTitle);
}

Bytes Valid() { return BuildDesignFile(SmallCircuit()); }

Bytes WithByteBeforeTrailer() {
  Bytes file = Valid();
  file.insert(file.end() - 4, 0x00);
  return file;
}

Bytes WithoutLastBodyByte() {
  Bytes file = Valid();
  file.erase(file.end() - 5);
  return file;
}

INSTANTIATE_TEST_SUITE_P(
    Codec, TruncatedFileTest,
    ::testing::Values(
        // 1..3 bytes: not even a trailer.
        TruncatedCase{"OneByte", {0x00}}, TruncatedCase{"ThreeBytes", {0x00, 0x41, 0x42}},
        // The literal run claims 3 bytes but only 2 follow before the file ends.
        TruncatedCase{"FileEndsInsideLiteralRun", {0x02, 0x41, 0x42, 0x00, 0x00}},
        // The repeat run's value byte is the last byte: no trailer can follow.
        TruncatedCase{"FileEndsAfterRepeatRun", {0xFE, 0x41, 0x00, 0x00, 0x00}},
        // The trailer is read after the last run, not from the file's last four bytes.
        TruncatedCase{"ExtraByteBeforeTrailer", WithByteBeforeTrailer()},
        TruncatedCase{"LastBodyByteMissing", WithoutLastBodyByte()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentLoadTest, UnpackerAcceptsCountBytesThePackerNeverWrites) {
  // 129 zero bytes (count 0x80) and a 128-byte literal (count 0x7F) give a
  // track list of 36 Level segments ended by the 0xFF code at offset 130.
  Bytes literal(128, 0x11);
  literal[0] = 0x00;
  literal[1] = 0xFF;
  const Bytes body = Concat({{0x80, 0x00}, {0x7F}, literal});
  DocumentFixture fixture;
  ScriptedMessageBox boxes;
  ASSERT_TRUE(fixture.Load(WithTrailer(body)));

  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(fixture.Design(), Concat({Bytes(129, 0x00), literal}));
  EXPECT_EQ(fixture.doc.m_nSegments, 37);
}

TEST(DocumentLoadTest, TrackListMovesTo196WithFlagBit2) {
  DesignDescription later = SmallCircuit();
  later.flags = 0x04;
  DocumentFixture fixture;
  ASSERT_TRUE(fixture.Load(BuildDesignFile(later)));
  EXPECT_EQ(fixture.doc.m_pTrackList - fixture.doc.m_pData, 196);
  EXPECT_EQ(fixture.doc.m_nSegments, 6);
}

TEST(DocumentLoadTest, OnlyACodeByteOf0xFFEndsTheTrackList) {
  DesignDescription design;
  design.segments = {{5, 0xFF}, {0, 0xFF}, {6}};
  DocumentFixture fixture;
  ASSERT_TRUE(fixture.Load(BuildDesignFile(design)));
  EXPECT_EQ(fixture.Codes(), (std::vector<int>{5, 0, 6}));
  EXPECT_EQ(fixture.doc.m_pSegments[1].flags, 0xFF);
}

// Designs whose buffer cannot hold a complete track list: nothing past the valid
// bytes may be read, and the file is refused with the track-data error.
struct MalformedCase {
  const char* name;
  friend void PrintTo(const MalformedCase& value, std::ostream* out) { *out << value.name; }
  Bytes design;
};

class MalformedDesignTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedDesignTest, IsRefusedAsTrackDataError) {
  DocumentFixture fixture;
  ScriptedMessageBox boxes;
  ASSERT_TRUE(fixture.Load(PackDesignFile(GetParam().design)));
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, "Error processing track data.");
  EXPECT_EQ(boxes.Shown()[0].caption, kAppTitle);
  EXPECT_EQ(boxes.Shown()[0].type, unsigned(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(boxes.Shown()[0].owner, MessageOwner::MainWindow);
  EXPECT_EQ(fixture.doc.m_pData, nullptr);
}

Bytes HeaderOnly(std::size_t length) { return Bytes(length, 0x00); }

Bytes WithoutEndMarker() {
  Bytes design = BuildDesign(SmallCircuit());
  design.resize(56 + 12);  // six entries, then the buffer ends
  return design;
}

Bytes EndMarkerOnlyInAFlagsByte() {
  Bytes design = HeaderOnly(56);
  design.insert(design.end(), {0x04, 0xFF, 0x05});
  return design;
}

INSTANTIATE_TEST_SUITE_P(Codec, MalformedDesignTest,
                         ::testing::Values(MalformedCase{"TooShortForByte7", HeaderOnly(7)},
                                           MalformedCase{"EndsBeforeTrackList", HeaderOnly(56)},
                                           MalformedCase{"TrackListWithoutEndMarker", WithoutEndMarker()},
                                           MalformedCase{"EndMarkerOnlyInFlags", EndMarkerOnlyInAFlagsByte()}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentLoadTest, DesignBeyond16MiBIsRefusedAsTooLarge) {
  // Each two body bytes unpack to 129: 16 MiB is passed after about 260 KiB of body.
  Bytes body;
  for (int run = 0; run < 140000; ++run) body.insert(body.end(), {0x80, 0x00});
  DocumentFixture fixture;
  ScriptedMessageBox boxes;
  EXPECT_FALSE(fixture.Load(WithTrailer(body)));
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"/designs/track.td4 is too large."});
  EXPECT_EQ(fixture.doc.m_pData, nullptr);
  EXPECT_EQ(fixture.doc.m_nDataAlloc, 0);
}

std::uint32_t TrailerOf(const Bytes& file) {
  std::uint32_t trailer = 0;
  for (int i = 1; i <= 4; ++i) trailer = trailer << 8 | file[file.size() - std::size_t(i)];
  return trailer;
}

// The file with its trailer moved by delta from the one the packer wrote.
Bytes WithTrailerMovedBy(Bytes file, std::int32_t delta) {
  const std::uint32_t trailer = TrailerOf(file) + std::uint32_t(delta);
  file.resize(file.size() - 4);
  return Concat({file, LittleEndian(trailer)});
}

// The question for a file whose correct trailer (normal offset 108156) was
// moved by delta: it quotes the trailer found and the checksum less 120001.
std::string QuestionForTrailerMovedBy(const Bytes& valid, std::int32_t delta) {
  const std::uint32_t correct = TrailerOf(valid);
  char text[128];
  std::snprintf(text, sizeof text, "Checksum calculation failed.\nExpected = 0X%08x\nActual = 0X%08x\n\nContinue anyway?",
                unsigned(correct + std::uint32_t(delta)), unsigned(correct + 108156u - 120001u));
  return text;
}

Bytes Maze() {
  DesignDescription maze = SmallCircuit();
  maze.rideType = 20;
  return BuildDesignFile(maze);
}

// What a load returns for the front ends to show their own way: done,
// refused with the text the desktop shows, or declined with the question
// answered No. Nothing goes through the installed message box.
struct OutcomeCase {
  const char* name;
  friend void PrintTo(const OutcomeCase& value, std::ostream* out) { *out << value.name; }
  Bytes file;
  std::vector<bool> answers;
  Outcome::Kind kind;
  std::string message;  // the refusal told or the question declined; "" when done
  std::size_t questions;
  bool readFailed = false;
};

class LoadOutcomeTest : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(LoadOutcomeTest, TellsWhatHappenedAsAValue) {
  const OutcomeCase& load = GetParam();
  DocumentFixture fixture;
  ScriptedMessageBox boxes;
  ScriptedQuestions questions;
  for (bool answer : load.answers) questions.Answer(answer);

  const Outcome outcome = fixture.docTemplate.Load(load.file, load.file.size(), "/designs/t.td4", questions.Ask());

  EXPECT_EQ(outcome.kind, load.kind);
  EXPECT_EQ(outcome.message.text, load.message);
  EXPECT_EQ(outcome.readFailed, load.readFailed);
  EXPECT_EQ(questions.Asked().size(), load.questions);
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(fixture.doc.IsEmpty(), load.kind != Outcome::Kind::Done || load.file.empty());
  EXPECT_EQ(fixture.doc.GetPathName(), fixture.doc.IsEmpty() ? "" : "/designs/t.td4");
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, LoadOutcomeTest,
    ::testing::Values(
        OutcomeCase{"NormalTrailer", Valid(), {}, Outcome::Kind::Done, "", 0},
        OutcomeCase{"EmptyFileIsDoneWithNothingLoaded", {}, {}, Outcome::Kind::Done, "", 0},
        // A checksum off by one either way is as wrong as any other.
        OutcomeCase{"TrailerOneBelowAnsweredNo", WithTrailerMovedBy(Valid(), -1), {false}, Outcome::Kind::Declined,
                    QuestionForTrailerMovedBy(Valid(), -1), 1},
        OutcomeCase{"TrailerOneAboveAnsweredNo", WithTrailerMovedBy(Valid(), 1), {false}, Outcome::Kind::Declined,
                    QuestionForTrailerMovedBy(Valid(), 1), 1},
        OutcomeCase{"TrailerOneAboveAnsweredYes", WithTrailerMovedBy(Valid(), 1), {true}, Outcome::Kind::Done, "", 1},
        OutcomeCase{"HedgeMaze", Maze(), {}, Outcome::Kind::Refused, "Hedge mazes are not supported", 0},
        OutcomeCase{"HedgeMazeWithWrongTrailerYes", WithTrailerMovedBy(Maze(), 1), {true}, Outcome::Kind::Refused,
                    "Hedge mazes are not supported", 1},
        OutcomeCase{"NoTrackList", PackDesignFile(HeaderOnly(56)), {}, Outcome::Kind::Refused,
                    "Error processing track data.", 0},
        OutcomeCase{"FileEndsInsideRun", {0x02, 0x41, 0x42, 0x00, 0x00}, {}, Outcome::Kind::Refused,
                    "Unexpected file format.", 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentLoadTest, TrailerOneAwayFromTheRightChecksumAsksInTheDesktop) {
  for (const std::int32_t delta : {-1, 1}) {
    DocumentFixture fixture;
    ScriptedMessageBox boxes{IDNO};
    ASSERT_TRUE(fixture.Load(WithTrailerMovedBy(Valid(), delta)));
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{QuestionForTrailerMovedBy(Valid(), delta)});
    EXPECT_EQ(fixture.doc.m_pData, nullptr);
  }
}

}  // namespace
