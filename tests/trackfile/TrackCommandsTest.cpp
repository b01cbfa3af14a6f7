#include <gtest/gtest.h>

#include "examples/DesignBuilder.h"
#include "framework/AppInfo.h"
#include "tests/support/LoadedDocument.h"
#include "tests/support/ScriptedQuestions.h"
#include "trackfile/TrackCommands.h"

namespace {

const MessageBoxRequest kOpenCircuitQuestion{
    "This appears to be an open circuit or \"shuttle mode\" track.\n"
    "Reversing this track may produce a track that cannot be built.\n"
    "Are you sure you want to continue?",
    kAppTitle, MB_YESNO | MB_ICONQUESTION, MessageOwner::MainWindow};
const MessageBoxRequest kRefusal{"Only self-powered rides (no lift chains) can be reversed.", kAppTitle,
                                 MB_OK | MB_ICONINFORMATION, MessageOwner::MainWindow};

// File orders that load as they are: an End station first makes an open
// circuit, an up slope first with the End station third a closed one.
const std::vector<SegmentEntry> kOpenCircuit = {{1}, {16}, {4}, {0}};
const std::vector<SegmentEntry> kOpenCircuitWithChainLift = {{1}, {16}, {4, 0x80}, {0}};
const std::vector<SegmentEntry> kClosedCircuit = {{4}, {2}, {1}, {16}, {10}};
const std::vector<SegmentEntry> kClosedCircuitWithChainLift = {{4, 0x80}, {2}, {1}, {16}, {10}};

struct ReverseCommandCase {
  const char* name;
  friend void PrintTo(const ReverseCommandCase& value, std::ostream* out) { *out << value.name; }
  std::vector<SegmentEntry> records;
  std::vector<bool> answers;
  // The questions asked, then the refusal told.
  std::vector<const MessageBoxRequest*> boxes;
  bool reversed;
  std::vector<SegmentEntry> after;  // the track list afterwards
};

class ReverseCommandTest : public ::testing::TestWithParam<ReverseCommandCase> {};

TEST_P(ReverseCommandTest, AsksBeforeTheRefusalTestAndReportsARefusal) {
  const ReverseCommandCase& command = GetParam();
  DesignDescription design;
  design.segments = command.records;
  DocumentFixture fixture;
  ASSERT_TRUE(fixture.Load(BuildDesignFile(design)));
  ScriptedQuestions questions;
  for (bool answer : command.answers) questions.Answer(answer);

  const Outcome outcome = RunReverseTrackCommand(fixture.doc, questions.Ask());

  EXPECT_EQ(outcome.IsDone(), command.reversed);
  std::vector<MessageBoxRequest> boxes = questions.Asked();
  if (outcome.kind == Outcome::Kind::Refused) boxes.push_back(outcome.message);
  // A question answered No declines with that question.
  if (outcome.kind == Outcome::Kind::Declined) {
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(outcome.message.text, boxes.back().text);
  }
  ASSERT_EQ(boxes.size(), command.boxes.size());
  for (std::size_t i = 0; i < command.boxes.size(); ++i) {
    EXPECT_EQ(boxes[i].text, command.boxes[i]->text);
    EXPECT_EQ(boxes[i].caption, command.boxes[i]->caption);
    EXPECT_EQ(boxes[i].type, command.boxes[i]->type);
    EXPECT_EQ(boxes[i].owner, command.boxes[i]->owner);
  }
  DesignDescription expected;
  expected.segments = command.after;
  EXPECT_EQ(fixture.Design(), BuildDesign(expected));
  EXPECT_EQ(fixture.doc.IsModified(), command.reversed);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ReverseCommandTest,
    ::testing::Values(
        ReverseCommandCase{"ClosedCircuitReversesWithoutAsking", kClosedCircuit, {}, {}, true,
                           {{4}, {17}, {2}, {1}, {10}}},
        // The End station stays first; brought back to the front after the reversal.
        ReverseCommandCase{"OpenCircuitYes", kOpenCircuit, {true}, {&kOpenCircuitQuestion}, true,
                           {{1}, {0}, {10}, {17}}},
        ReverseCommandCase{"OpenCircuitNo", kOpenCircuit, {false}, {&kOpenCircuitQuestion}, false, kOpenCircuit},
        ReverseCommandCase{"ClosedCircuitWithChainLiftRefused", kClosedCircuitWithChainLift, {}, {&kRefusal}, false,
                           kClosedCircuitWithChainLift},
        ReverseCommandCase{"OpenCircuitWithChainLiftYesThenRefused", kOpenCircuitWithChainLift, {true},
                           {&kOpenCircuitQuestion, &kRefusal}, false, kOpenCircuitWithChainLift},
        ReverseCommandCase{"OpenCircuitWithChainLiftNo", kOpenCircuitWithChainLift, {false}, {&kOpenCircuitQuestion},
                           false, kOpenCircuitWithChainLift}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MirrorCommandTest, MirrorsWithoutAsking) {
  DesignDescription design;
  design.segments = kOpenCircuit;
  DocumentFixture fixture;
  ASSERT_TRUE(fixture.Load(BuildDesignFile(design)));
  ScriptedQuestions questions;

  EXPECT_TRUE(RunMirrorTrackCommand(fixture.doc, questions.Ask()).IsDone());
  EXPECT_TRUE(questions.Asked().empty());
  EXPECT_EQ(fixture.Codes(), (std::vector<int>{1, 17, 4, 0}));
}

}  // namespace
