#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <filesystem>

#include <QStyleOptionMenuItem>

#include "render/Legibility.h"
#include "shell/dialogs/ElevationDlg.h"
#include "shell/window/KeysMenu.h"
#include "shell/window/ProfileStrip.h"

#include "tests/shell/SchemePalettes.h"
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
  void menusShowEveryKeyAndTheKeysWork();
  void toolbarImagesAndMenuSeparatorsReadInLightAndDark();
  void asksToSaveChangesBeforeClosing();
  void saveAsWritesTheDesignUnderTheNewName();
  void saveWritesTheDesignToItsOwnFile();
  void captionMarksUnsavedChanges();
  void listKeepsEightLinesAtTheMinimumSize();
};

void MainFrameTest::offersTheMenusToolbarAndStatusBar() {
  ShellFixture shell;
  QMenuBar& menus = *shell.frame.menuBar();
  QCOMPARE(Texts(menus.actions(), &QAction::text), QStringList({"&File", "&Edit", "&View", "&Help"}));
  const QStringList items[] = {
      {"&New", "&Open...", "Open &Folder...", "&Save", "Save &As...", "&Export ....", "|", "Recent File", "|",
       "E&xit"},
      {"&Undo", "&Redo", "|", "Set starting &elevation....", "&Mirror Track", "&Reverse Track"},
      {"&Toolbar", "&Status Bar", "&Elevation Profile", "&Designs Panel"},
      {"&About Tivora Track Decoder..."},
  };
  for (int i = 0; i < 4; ++i) QCOMPARE(Texts(menus.actions()[i]->menu()->actions(), &QAction::text), items[i]);

  const FrameCommands& commands = shell.frame.Commands();
  QCOMPARE(commands.fileNew->shortcut(), QKeySequence("Ctrl+N"));
  QCOMPARE(commands.fileOpen->shortcut(), QKeySequence("Ctrl+O"));
  QCOMPARE(commands.fileSave->shortcut(), QKeySequence("Ctrl+S"));
  QCOMPARE(commands.fileSaveAs->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+A"), QKeySequence("Ctrl+Shift+S")}));
  QCOMPARE(commands.appExit->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+Q")}));
  QCOMPARE(commands.editUndo->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+Z")}));
  QCOMPARE(commands.editRedo->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
  QCOMPARE(commands.editSetElevation->shortcut(), QKeySequence("Ctrl+E"));
  QCOMPARE(commands.editMirrorTrack->statusTip(), "\"Mirrors\" the track by reversing all turns.");
  QVERIFY(!commands.fileNew->isEnabled());
  QVERIFY(!commands.fileRecentFile->isEnabled());

  QCOMPARE(Texts(shell.frame.ToolBar().actions(), &QAction::toolTip), QStringList({"New", "Open", "Save", "Save As", "|", "About"}));
  QVERIFY(shell.frame.ToolBar().isMovable());
  QVERIFY(shell.frame.ToolBar().isFloatable());

  QStringList panes;
  // The Designs panel's progress shows only while a folder is read.
  for (QLabel* pane : shell.frame.statusBar()->findChildren<QLabel*>())
    if (!pane->isHidden()) panes << pane->text();
  QCOMPARE(panes, QStringList({"Ready", "CAP", "NUM", "SCRL"}));
}

// Both edits mark the design changed, so leaving asks first; Yes saves to the
// design's own file, without a dialog.
void MainFrameTest::menusShowEveryKeyAndTheKeysWork() {
  const struct {
    QAction* FrameCommands::*command;
    const char* shown;  // the item as the menu draws it: its text, a tab, its keys
    std::vector<QKeySequence> keys;
  } cases[] = {
      {&FrameCommands::fileSave, "&Save\tCtrl+S", {QKeySequence("Ctrl+S")}},
      {&FrameCommands::fileSaveAs,
       "Save &As...\tCtrl+A; Ctrl+Shift+S",
       {QKeySequence("Ctrl+A"), QKeySequence("Ctrl+Shift+S")}},
      // Its keys are pressed where there is something to redo, in the undo test.
      {&FrameCommands::editRedo, "&Redo\tCtrl+Shift+Z; Ctrl+Y", {}},
      {&FrameCommands::appExit, "E&xit\tCtrl+Q", {QKeySequence("Ctrl+Q")}},
  };
  for (const auto& c : cases) {
    ShellFixture shell;
    shell.OpenDesign(Turns());
    shell.frame.Commands().editMirrorTrack->trigger();
    QVERIFY(shell.Activate());
    QAction* command = shell.frame.Commands().*c.command;
    KeysMenu* menu = nullptr;
    for (QAction* title : shell.frame.menuBar()->actions())
      if (title->menu()->actions().contains(command)) menu = qobject_cast<KeysMenu*>(title->menu());
    QVERIFY2(menu, c.shown);
    // Laid out as when it opens, so that the key column has its width.
    const int itemWidth = menu->actionGeometry(command).width();
    QStyleOptionMenuItem item;
    menu->initStyleOption(&item, command);
    QCOMPARE(item.text, QString::fromUtf8(c.shown));

    // The style draws the keys in the column it is given, and the item holds
    // what the style needs for its text and every key.
    const qsizetype tab = item.text.indexOf(u'\t');
    const int keysWidth = item.fontMetrics.horizontalAdvance(item.text.mid(tab + 1));
    QVERIFY2(item.reservedShortcutWidth >= keysWidth, c.shown);
    QStyleOptionMenuItem whole = item;
    whole.reservedShortcutWidth = keysWidth;
    const QSize label = item.fontMetrics.size(Qt::TextShowMnemonic, item.text.left(tab));
    QVERIFY2(menu->style()->sizeFromContents(QStyle::CT_MenuItem, &whole, label, menu).width() <= itemWidth, c.shown);

    for (const QKeySequence& key : c.keys) {
      // Save As and the save questions are cancelled, so that only the keys are seen.
      shell.fileDialogs.Answer(std::nullopt);
      shell.messages.Answer(IDCANCEL);
      QSignalSpy triggered(command, &QAction::triggered);
      QTest::keySequence(&shell.frame, key);
      QVERIFY2(triggered.size() == 1, qPrintable(key.toString()));
    }
  }
}

// Marks that must be told from what is around them: 3 to 1, as accessibility
// guidelines ask of icons. A separator only groups, but must not vanish.
constexpr double kMarkContrast = 3, kSeparatorContrast = 2;

// The toolbar's images and the menus' separators stand out from what they are
// drawn on, in a light scheme and a dark one, switched to while the window shows.
void MainFrameTest::toolbarImagesAndMenuSeparatorsReadInLightAndDark() {
  ShellFixture shell;
  shell.OpenDesign(Turns());
  QVERIFY(shell.Activate());
  QToolBar& bar = shell.frame.ToolBar();
  QMenu& menu = shell.frame.FileMenu();
  for (const auto& [scheme, palette] : LightDarkLight()) {
    const ScopedAppPalette applied(palette);
    const QColor ground = bar.palette().color(QPalette::Window);
    for (QAction* command : bar.actions()) {
      if (command->isSeparator()) continue;
      // The pixels at least half covered, as they show on the toolbar.
      const QImage image = command->icon().pixmap(bar.iconSize()).toImage();
      int inked = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (const QColor pixel = image.pixelColor(x, y); pixel.alpha() >= 128) {
            ++inked;
            QVERIFY2(ContrastRatio(pixel, ground) >= kMarkContrast, qPrintable(command->toolTip() + u' ' + scheme));
          }
      QVERIFY2(inked >= 12, qPrintable(command->toolTip() + u' ' + scheme));
    }

    menu.popup(bar.mapToGlobal(QPoint()));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    const QImage shown = menu.grab().toImage();
    menu.hide();
    for (QAction* separator : menu.actions()) {
      if (!separator->isSeparator()) continue;
      // The line's row against the menu just above it.
      const QRect row = menu.actionGeometry(separator);
      const QColor around = shown.pixelColor(row.center().x(), row.top());
      double best = 1;
      for (int y = row.top(); y <= row.bottom(); ++y)
        best = std::max(best, ContrastRatio(shown.pixelColor(row.center().x(), y), around));
      QVERIFY2(best >= kSeparatorContrast, scheme);
    }
  }
}

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
  QCOMPARE(ShownCaption(shell.frame), "mirrored.td4 - Tivora Track Decoder");
  QCOMPARE(fileChanges.size(), 1);
  QCOMPARE(fileChanges.front().front().toString(), target);

  ShellFixture reopened;
  reopened.Open(target.toStdString());
  QCOMPARE(reopened.Lines(), mirrored);
}

void MainFrameTest::saveWritesTheDesignToItsOwnFile() {
  ShellFixture shell;
  const std::string path = shell.WriteDesign(Turns());
  shell.Open(path);
  shell.frame.Commands().editMirrorTrack->trigger();
  const QStringList mirrored = shell.Lines();
  QVERIFY(shell.Activate());
  const std::string question = "Replace track.td4 with the changed design?";

  // The first save over the opened file asks; No saves nothing and keeps the change.
  shell.messages.Answer(IDNO);
  QTest::keyClick(&shell.frame, Qt::Key_S, Qt::ControlModifier);
  QCOMPARE(shell.messages.Texts(), std::vector<std::string>{question});
  QCOMPARE(shell.messages.Shown().back().caption, "Tivora Track Decoder");
  QCOMPARE(shell.messages.Shown().back().type, unsigned(MB_YESNO | MB_ICONQUESTION));
  QCOMPARE(ReadFileBytes(path), BuildDesignFile(Turns()));
  QVERIFY(shell.frame.GetDocument().IsModified());
  QCOMPARE(shell.Lines(), mirrored);

  shell.messages.Answer(IDYES);
  QTest::keyClick(&shell.frame, Qt::Key_S, Qt::ControlModifier);

  QCOMPARE(shell.messages.Texts(), std::vector<std::string>({question, question}));
  QCOMPARE(shell.fileDialogs.Requests().size(), std::size_t(1));  // only the Open
  QVERIFY(!shell.frame.GetDocument().IsModified());
  ShellFixture reopened;
  reopened.Open(path);
  QCOMPARE(reopened.Lines(), mirrored);

  // Later saves of the same document do not ask again.
  const Bytes saved = ReadFileBytes(path);
  shell.frame.Commands().editMirrorTrack->trigger();
  QTest::keyClick(&shell.frame, Qt::Key_S, Qt::ControlModifier);
  QCOMPARE(shell.messages.Shown().size(), std::size_t(2));
  QVERIFY(ReadFileBytes(path) != saved);
  QVERIFY(!shell.frame.GetDocument().IsModified());

  // With its file gone, Save asks where to save, as Save As does.
  std::filesystem::remove(path);
  shell.frame.Commands().editMirrorTrack->trigger();
  const QString elsewhere = QString::fromStdString(shell.folder.Path("elsewhere.td4"));
  shell.fileDialogs.Answer(elsewhere);
  shell.frame.Commands().fileSave->trigger();
  QVERIFY(shell.fileDialogs.Requests().back().save);
  QCOMPARE(ShownCaption(shell.frame), "elsewhere.td4 - Tivora Track Decoder");
  QVERIFY(std::filesystem::exists(elsewhere.toStdString()));
}

void MainFrameTest::captionMarksUnsavedChanges() {
  for (const char* name : {"track.td4", "odd[*].td4"}) {
    ShellFixture shell;
    shell.OpenDesign(Turns(), name);
    const QString plain = QString::fromUtf8(name) + " - Tivora Track Decoder";
    const QString marked = QString::fromUtf8(name) + "* - Tivora Track Decoder";
    QCOMPARE(ShownCaption(shell.frame), plain);

    shell.frame.Commands().editMirrorTrack->trigger();
    QCOMPARE(ShownCaption(shell.frame), marked);
    QVERIFY(shell.frame.isWindowModified());

    shell.messages.Answer(IDYES);
    shell.frame.Commands().fileSave->trigger();
    QCOMPARE(ShownCaption(shell.frame), plain);

    // The starting elevation is not saved in the file: no mark for it.
    WhenModal<CElevationDlg>([](CElevationDlg& dialog) {
      dialog.findChild<QLineEdit*>()->setText(QStringLiteral("30"));
      dialog.accept();
    });
    shell.frame.Commands().editSetElevation->trigger();
    QCOMPARE(shell.View().m_nStartElevation, 30);
    QCOMPARE(ShownCaption(shell.frame), plain);
  }
}

void MainFrameTest::listKeepsEightLinesAtTheMinimumSize() {
  ShellFixture shell;
  std::vector<SegmentEntry> segments;
  for (int i = 0; i < 40; ++i) segments.push_back({i % 2 ? kLeftCurve : kLevel});
  shell.OpenDesign(Design(segments));
  shell.frame.show();
  QVERIFY(QTest::qWaitForWindowExposed(&shell.frame));

  shell.frame.resize(CMainFrame::kMinWidth, CMainFrame::kMinHeight);
  QTRY_COMPARE(shell.frame.size(), QSize(CMainFrame::kMinWidth, CMainFrame::kMinHeight));

  SegmentListBox& list = shell.List();
  QVERIFY2(list.viewport()->height() >= 8 * list.sizeHintForRow(0),
           qPrintable(QStringLiteral("%1 pixels for lines of %2").arg(list.viewport()->height()).arg(list.sizeHintForRow(0))));
  // The profile gave way first, but is still there, until the user drags it shut.
  CProfileStrip& profile = shell.frame.GetProfileStrip();
  QVERIFY(profile.height() >= profile.minimumSizeHint().height());
  QVERIFY(profile.height() < profile.sizeHint().height());
  QSplitter& panes = shell.frame.Panes();
  QVERIFY(!panes.isCollapsible(0));
  panes.setSizes({panes.height(), 0});
  QCOMPARE(profile.height(), 0);
  QVERIFY(list.viewport()->height() > 8 * list.sizeHintForRow(0));
}

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
