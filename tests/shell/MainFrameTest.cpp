#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>

#include "tests/shell/ShellFixture.h"
#include "tests/support/Bytes.h"

namespace {
constexpr std::uint8_t kLevel = 0, kUp = 4, kDown = 10, kLeftCurve = 16, kRightCurve = 17;

DesignDescription Turns() { return Design({{kLevel}, {kLeftCurve}, {kUp}}); }

// Item texts of a menu or toolbar, with "|" for a separator.
QStringList Texts(const QList<QAction*>& actions, QString (QAction::*text)() const) {
  QStringList texts;
  for (QAction* action : actions) texts << (action->isSeparator() ? QStringLiteral("|") : (action->*text)());
  return texts;
}
}  // namespace

class MainFrameTest : public QObject {
  Q_OBJECT
private slots:
  void offersTheMenusToolbarAndStatusBar();
  void asksToSaveChangesBeforeClosing();
  void saveAsWritesTheDesignUnderTheNewName();
};

void MainFrameTest::offersTheMenusToolbarAndStatusBar() {
  ShellFixture shell;
  QMenuBar& menus = *shell.frame.menuBar();
  QCOMPARE(Texts(menus.actions(), &QAction::text), QStringList({"&File", "&Edit", "&View", "&Help"}));
  const QStringList items[] = {
      {"&New", "&Open...", "Save &As...", "&Export ....", "|", "Recent File", "|", "E&xit"},
      {"Set starting &elevation....", "&Mirror Track", "&Reverse Track"},
      {"&Toolbar", "&Status Bar", "&Elevation Profile"},
      {"&About Tivora Track Decoder..."},
  };
  for (int i = 0; i < 4; ++i) QCOMPARE(Texts(menus.actions()[i]->menu()->actions(), &QAction::text), items[i]);

  const FrameCommands& commands = shell.frame.Commands();
  QCOMPARE(commands.fileNew->shortcut(), QKeySequence("Ctrl+N"));
  QCOMPARE(commands.fileOpen->shortcut(), QKeySequence("Ctrl+O"));
  QCOMPARE(commands.fileSaveAs->shortcut(), QKeySequence("Ctrl+A"));
  QCOMPARE(commands.editSetElevation->shortcut(), QKeySequence("Ctrl+E"));
  QCOMPARE(commands.editMirrorTrack->statusTip(), "\"Mirrors\" the track by reversing all turns.");
  QVERIFY(!commands.fileNew->isEnabled());
  QVERIFY(!commands.fileRecentFile->isEnabled());

  QCOMPARE(Texts(shell.frame.ToolBar().actions(), &QAction::toolTip), QStringList({"New", "Open", "Save As", "|", "About"}));
  QVERIFY(shell.frame.ToolBar().isMovable());
  QVERIFY(shell.frame.ToolBar().isFloatable());

  QStringList panes;
  for (QLabel* pane : shell.frame.statusBar()->findChildren<QLabel*>()) panes << pane->text();
  QCOMPARE(panes, QStringList({"Ready", "CAP", "NUM", "SCRL"}));
}

// Both edits mark the design changed, so leaving asks first; Yes saves to the
// design's own file, without a dialog.
void MainFrameTest::asksToSaveChangesBeforeClosing() {
  const Bytes original = BuildDesignFile(Turns());
  const Bytes reversed = BuildDesignFile(Design({{kDown}, {kRightCurve}, {kLevel}}));
  const Bytes mirrored = BuildDesignFile(Design({{kLevel}, {kRightCurve}, {kUp}}));
  const struct {
    const char* name;
    QAction* FrameCommands::*command;
    int answer;
    bool closed;
    const Bytes& file;  // what the design's file holds afterwards
  } cases[] = {
      {"Reverse, Yes", &FrameCommands::editReverseTrack, IDYES, true, reversed},
      {"Reverse, No", &FrameCommands::editReverseTrack, IDNO, true, original},
      {"Reverse, Cancel", &FrameCommands::editReverseTrack, IDCANCEL, false, original},
      {"Mirror, Yes", &FrameCommands::editMirrorTrack, IDYES, true, mirrored},
      {"Mirror, No", &FrameCommands::editMirrorTrack, IDNO, true, original},
  };
  for (const auto& c : cases) {
    ShellFixture shell;
    const std::string path = shell.WriteDesign(Turns());
    shell.Open(path);
    (shell.frame.Commands().*c.command)->trigger();
    shell.frame.show();
    shell.messages.Answer(c.answer);

    shell.frame.Commands().appExit->trigger();

    QCOMPARE(shell.messages.Texts(), std::vector<std::string>{"Save changes to track.td4?"});
    QCOMPARE(shell.messages.Shown().back().type, unsigned(MB_YESNOCANCEL | MB_ICONQUESTION));
    QVERIFY2(shell.frame.isVisible() == !c.closed, c.name);
    QVERIFY2(ReadFileBytes(path) == c.file, c.name);
    QVERIFY2(shell.fileDialogs.Requests().size() == 1, c.name);  // the Open dialog alone
  }
}

void MainFrameTest::saveAsWritesTheDesignUnderTheNewName() {
  ShellFixture shell;
  shell.OpenDesign(Turns());
  shell.frame.Commands().editMirrorTrack->trigger();
  const QStringList mirrored = shell.Lines();
  const QString target = QString::fromStdString(shell.folder.Path("mirrored.td4"));
  shell.fileDialogs.Answer(target);
  QSignalSpy fileChanges(&shell.frame, &CMainFrame::documentFileChanged);

  shell.frame.Commands().fileSaveAs->trigger();

  const ScriptedFileDialogs::Shown& dialog = shell.fileDialogs.Requests().back();
  QVERIFY(dialog.save);
  QCOMPARE(dialog.request.nameFilters, QStringList({"TivoraTrack Definition Files (*.td4)", "All Files (*.*)"}));
  QCOMPARE(dialog.request.defaultSuffix, "td4");
  QCOMPARE(dialog.request.initialName, QString::fromStdString(shell.folder.Path("track.td4")));
  QCOMPARE(shell.frame.windowTitle(), "mirrored.td4 - Tivora Track Decoder");
  QCOMPARE(fileChanges.size(), 1);
  QCOMPARE(fileChanges.front().front().toString(), target);

  ShellFixture reopened;
  reopened.Open(target.toStdString());
  QCOMPARE(reopened.Lines(), mirrored);
}

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
