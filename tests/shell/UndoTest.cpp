#include <QLineEdit>
#include <QMenuBar>
#include <QUndoStack>

#include "shell/dialogs/ElevationDlg.h"
#include "tests/shell/ShellFixture.h"
#include "trackfile/TrackState.h"
#include "vocabulary/SegmentCodes.h"

namespace {
constexpr std::uint8_t kLevel = 0, kUp = 4, kUpToLevel = 9, kLeftCurve = 16, kRightCurve = 17;

// A circuit with handed pieces, so that both Mirror and Reverse change it,
// starting after its station, so that the file's track list order differs
// from the order shown.
DesignDescription Curves() {
  return Design({{kLevel}, {SegmentCode::EndStation, SegmentFlag::Terminal}, {SegmentCode::BeginStation, SegmentFlag::Terminal},
                 {kLeftCurve}, {kLeftCurve}, {kUp}, {kUpToLevel}, {kRightCurve}});
}

// Everything a command or its undoing may change, as the program holds it.
struct Snapshot {
  TrackState track;
  bool modified;
  int startElevation;
  QStringList lines;
  int selected;
  bool operator==(const Snapshot&) const = default;
};

// Curves() opened from "track.td4", with the window active for its shortcuts.
struct UndoFixture : ShellFixture {
  UndoFixture() {
    path = WriteDesign(Curves());
    original = ReadFileBytes(path);
    Open(path);
    List().SetCurSel(2);
    QVERIFY(Activate());
  }

  Snapshot Take() {
    return {CaptureTrackState(frame.GetDocument()), frame.GetDocument().IsModified(), View().m_nStartElevation, Lines(),
            List().GetCurSel()};
  }

  void Press(const QKeySequence& keys) { QTest::keySequence(&frame, keys); }

  // Set starting elevation, answered with value.
  void SetElevation(int value) {
    WhenModal<CElevationDlg>([value](CElevationDlg& dialog) {
      dialog.findChild<QLineEdit*>()->setText(QString::number(value));
      dialog.accept();
    });
    frame.Commands().editSetElevation->trigger();
    QVERIFY(Activate());  // the dialog took the focus with it
  }

  QUndoStack& Stack() { return frame.UndoStack(); }
  QString Caption() { return ShownCaption(frame); }

  std::string path;
  std::vector<std::uint8_t> original;
};

const QString kPlain = QStringLiteral("track.td4 - Tivora Track Decoder");
const QString kMarked = QStringLiteral("track.td4* - Tivora Track Decoder");
}  // namespace

class UndoTest : public QObject {
  Q_OBJECT
private slots:
  void undoAndRedoPutBackEachCommandExactly();
  void undoingBackToTheSavedStateClearsTheMark();
  void refusedCommandsPutNothingOnTheStack();
  void openingAnotherFileForgetsWhatCouldBeUndone();
};

void UndoTest::undoAndRedoPutBackEachCommandExactly() {
  const struct {
    const char* undoText;
    std::function<void(UndoFixture&)> run;
    bool marksModified;
  } cases[] = {
      {"&Undo Mirror Track", [](UndoFixture& shell) { shell.frame.Commands().editMirrorTrack->trigger(); }, true},
      {"&Undo Reverse Track", [](UndoFixture& shell) { shell.frame.Commands().editReverseTrack->trigger(); }, true},
      {"&Undo Set starting elevation", [](UndoFixture& shell) { shell.SetElevation(40); }, false},
  };
  for (const auto& c : cases) {
    UndoFixture shell;
    const Snapshot before = shell.Take();
    QVERIFY2(!shell.frame.Commands().editUndo->isEnabled(), c.undoText);

    c.run(shell);
    const Snapshot after = shell.Take();
    QVERIFY2(after.track != before.track || after.startElevation != before.startElevation, c.undoText);
    QVERIFY2(after.modified == c.marksModified, c.undoText);
    QCOMPARE(shell.frame.Commands().editUndo->text(), c.undoText);

    // Each of the keys, in turn, from either side.
    for (const QKeySequence& keys : {QKeySequence("Ctrl+Z"), QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Z"),
                                     QKeySequence("Ctrl+Y")}) {
      const bool undoing = keys == QKeySequence("Ctrl+Z");
      shell.Press(keys);
      QVERIFY2(shell.Take() == (undoing ? before : after), qPrintable(keys.toString()));
      QCOMPARE(shell.Caption(), undoing || !c.marksModified ? kPlain : kMarked);
    }

    // Undone, the design saves to the very bytes it was opened from.
    shell.Press(QKeySequence("Ctrl+Z"));
    shell.messages.Answer(IDYES);
    shell.Press(QKeySequence("Ctrl+S"));
    QVERIFY2(ReadFileBytes(shell.path) == shell.original, c.undoText);
  }
}

void UndoTest::undoingBackToTheSavedStateClearsTheMark() {
  // The design as shown and saved. The elevations the listing writes into the
  // segment array count as the list shows them: a save leaves them to the next listing.
  const auto shown = [](const Snapshot& s) { return std::tuple(s.track.trackList, s.modified, s.startElevation, s.lines); };
  UndoFixture shell;
  const Snapshot opened = shell.Take();
  shell.frame.Commands().editMirrorTrack->trigger();
  shell.messages.Answer(IDYES);
  shell.frame.Commands().fileSave->trigger();
  const Snapshot saved = shell.Take();
  QVERIFY(!saved.modified);
  QCOMPARE(shell.Caption(), kPlain);

  shell.frame.Commands().editReverseTrack->trigger();
  shell.SetElevation(20);
  QCOMPARE(shell.Caption(), kMarked);

  shell.Stack().undo();
  shell.Stack().undo();
  QVERIFY(shown(shell.Take()) == shown(saved));
  QCOMPARE(shell.Caption(), kPlain);

  // Before the save the design differs from the file again: the mark returns,
  // and the save question asks about it.
  shell.Stack().undo();
  Snapshot beforeSave = opened;
  beforeSave.modified = true;
  QCOMPARE(shell.Take(), beforeSave);
  QCOMPARE(shell.Caption(), kMarked);
  shell.messages.Answer(IDCANCEL);
  shell.frame.close();
  QCOMPARE(shell.messages.Texts(),
           std::vector<std::string>({"Replace track.td4 with the changed design?", "Save changes to track.td4?"}));
  QVERIFY(shell.frame.isVisible());

  shell.Stack().redo();
  QVERIFY(shown(shell.Take()) == shown(saved));
  QCOMPARE(shell.Caption(), kPlain);
}

void UndoTest::refusedCommandsPutNothingOnTheStack() {
  const std::string question =
      "This appears to be an open circuit or \"shuttle mode\" track.\n"
      "Reversing this track may produce a track that cannot be built.\n"
      "Are you sure you want to continue?";
  const struct {
    const char* name;
    std::vector<SegmentEntry> segments;
    int answer;
    QAction* FrameCommands::*command;
  } cases[] = {
      {"reversing a chain lift", {{kLevel}, {kUp, SegmentFlag::ChainLift}, {kUpToLevel}}, IDOK,
       &FrameCommands::editReverseTrack},
      {"reversing a shuttle, answered No", {{SegmentCode::BeginStation}, {kLevel}, {kLeftCurve}}, IDNO,
       &FrameCommands::editReverseTrack},
      // Nothing handed to mirror: the track stays as it was.
      {"mirroring straight track", {{kLevel}, {kUp}, {kUpToLevel}}, IDOK, &FrameCommands::editMirrorTrack},
  };
  for (const auto& c : cases) {
    ShellFixture shell;
    shell.OpenDesign(Design(c.segments));
    shell.messages.Answer(c.answer);
    (shell.frame.Commands().*c.command)->trigger();
    QVERIFY2(shell.frame.UndoStack().count() == 0, c.name);
    QVERIFY2(!shell.frame.Commands().editUndo->isEnabled(), c.name);
    QVERIFY2(!shell.frame.GetDocument().IsModified(), c.name);
  }

  // The elevation dialog cancelled, or accepted unchanged.
  UndoFixture shell;
  WhenModal<CElevationDlg>([](CElevationDlg& dialog) { dialog.reject(); });
  shell.frame.Commands().editSetElevation->trigger();
  shell.SetElevation(1);
  QCOMPARE(shell.Stack().count(), 0);
}

void UndoTest::openingAnotherFileForgetsWhatCouldBeUndone() {
  const struct {
    const char* name;
    int answer;
    bool opened;
  } cases[] = {{"Yes", IDYES, true}, {"No", IDNO, true}, {"Cancel", IDCANCEL, false}};
  for (const auto& c : cases) {
    UndoFixture shell;
    shell.frame.Commands().editMirrorTrack->trigger();
    shell.messages.Answer(c.answer);

    shell.OpenDesign(Curves(), "other.td4");

    QVERIFY2(shell.Stack().count() == (c.opened ? 0 : 1), c.name);
    QVERIFY2(shell.frame.Commands().editUndo->isEnabled() == !c.opened, c.name);
    QVERIFY2(shell.Caption() == (c.opened ? "other.td4 - Tivora Track Decoder" : kMarked), c.name);
  }
}

QTEST_MAIN(UndoTest)
#include "UndoTest.moc"
