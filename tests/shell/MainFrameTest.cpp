#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>

#include "tests/shell/ShellFixture.h"

namespace {
constexpr std::uint8_t kLevel = 0, kLeftCurve = 16, kUp = 4;

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

void MainFrameTest::asksToSaveChangesBeforeClosing() {
  const struct {
    int answer;
    bool closed;
    bool saved;
  } cases[] = {{IDYES, true, true}, {IDNO, true, false}, {IDCANCEL, false, false}};
  for (const auto& c : cases) {
    ShellFixture shell;
    const std::string path = shell.WriteDesign(Turns());
    shell.Open(path);
    const std::vector<std::uint8_t> original = ReadFileBytes(path);
    shell.frame.Commands().editReverseTrack->trigger();
    shell.frame.show();
    shell.messages.Answer(c.answer);

    shell.frame.Commands().appExit->trigger();

    QCOMPARE(shell.messages.Texts().back(), "Save changes to track.td4?");
    QCOMPARE(shell.messages.Shown().back().type, unsigned(MB_YESNOCANCEL | MB_ICONQUESTION));
    QCOMPARE(shell.frame.isVisible(), !c.closed);
    QCOMPARE(ReadFileBytes(path) != original, c.saved);
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
