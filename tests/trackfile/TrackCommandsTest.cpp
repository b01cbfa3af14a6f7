#include <gtest/gtest.h>

#include "examples/DesignBuilder.h"
#include "framework/AppInfo.h"
#include "tests/support/LoadedDocument.h"
#include "tests/support/ScriptedMessageBox.h"
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
  std::vector<int> answers;
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
  ScriptedMessageBox boxes;
  for (int answer : command.answers) boxes.Answer(answer);

  EXPECT_EQ(RunReverseTrackCommand(fixture.doc), command.reversed);

  ASSERT_EQ(boxes.Shown().size(), command.boxes.size());
  for (std::size_t i = 0; i < command.boxes.size(); ++i) {
    EXPECT_EQ(boxes.Shown()[i].text, command.boxes[i]->text);
    EXPECT_EQ(boxes.Shown()[i].caption, command.boxes[i]->caption);
    EXPECT_EQ(boxes.Shown()[i].type, command.boxes[i]->type);
    EXPECT_EQ(boxes.Shown()[i].owner, command.boxes[i]->owner);
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
        ReverseCommandCase{"OpenCircuitYes", kOpenCircuit, {IDYES}, {&kOpenCircuitQuestion}, true,
                           {{1}, {0}, {10}, {17}}},
        ReverseCommandCase{"OpenCircuitNo", kOpenCircuit, {IDNO}, {&kOpenCircuitQuestion}, false, kOpenCircuit},
        ReverseCommandCase{"ClosedCircuitWithChainLiftRefused", kClosedCircuitWithChainLift, {}, {&kRefusal}, false,
                           kClosedCircuitWithChainLift},
        ReverseCommandCase{"OpenCircuitWithChainLiftYesThenRefused", kOpenCircuitWithChainLift, {IDYES},
                           {&kOpenCircuitQuestion, &kRefusal}, false, kOpenCircuitWithChainLift},
        ReverseCommandCase{"OpenCircuitWithChainLiftNo", kOpenCircuitWithChainLift, {IDNO}, {&kOpenCircuitQuestion},
                           false, kOpenCircuitWithChainLift}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MirrorCommandTest, MirrorsWithoutAsking) {
  DesignDescription design;
  design.segments = kOpenCircuit;
  DocumentFixture fixture;
  ASSERT_TRUE(fixture.Load(BuildDesignFile(design)));
  ScriptedMessageBox boxes;

  EXPECT_TRUE(RunMirrorTrackCommand(fixture.doc));
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(fixture.Codes(), (std::vector<int>{1, 17, 4, 0}));
}

}  // namespace
