#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>

#include "shell/dialogs/AboutDlg.h"
#include "shell/designs/DesignTableModel.h"
#include "shell/designs/DesignsPanel.h"
#include "tests/shell/AppFixture.h"
#include "vocabulary/SegmentCodes.h"

namespace {
constexpr std::uint8_t kLevel = 0, kUp = 4, kLeftCurve = 16;

DesignDescription Hill() { return Design({{kLevel}, {kUp}, {kLevel}}); }

QStringList Texts(const QList<QLabel*>& labels) {
  QStringList texts;
  for (const QLabel* label : labels)
    if (!label->text().isEmpty()) texts << label->text();
  return texts;
}

QStringList Texts(const QList<QPushButton*>& buttons) {
  QStringList texts;
  for (const QPushButton* button : buttons) texts << button->text() + (button->isDefault() ? " (default)" : "");
  return texts;
}

QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool AnyWindowVisible() {
  for (const QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible()) return true;
  return false;
}

// Drags the content over the window and drops it there; returns whether the window took it.
bool Drop(QWidget& window, const QMimeData& content) {
  QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &content, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &content, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
  return drop.isAccepted();
}
}  // namespace

class DecoderAppTest : public QObject {
  Q_OBJECT
private slots:
  void warnsBeforeTheMainWindowExists();
  void onlyOkWithTheBoxCheckedTurnsTheWarningOff();
  void carriesOutTheCommandLine();
  void opensADroppedDesignLikeFileOpen();
  void showsADroppedFolderInTheDesignsPanel();
  void aboutShowsTheIconAndTheVersion();
};

void DecoderAppTest::warnsBeforeTheMainWindowExists() {
  AppFixture program;
  WhenModal<CWarningDlg>([&](CWarningDlg& warning) {
    QVERIFY(!program.app->GetMainWnd());
    QCOMPARE(warning.windowTitle(), "Tivora Track Decoder");
    QCOMPARE(Texts(warning.findChildren<QLabel*>()),
             QStringList({"WARNING: This program is a beta version. Use it at your own risk.",
                          "Do not use it to overwrite any of your existing track files unless you have backup copies",
                          "(the save functions will ask for confirmation before overwriting an existing file).",
                          "The author is not responsible if you lose a track file by overwriting it with this program."}));
    const auto* box = warning.findChild<QCheckBox*>();
    QCOMPARE(box->text(), "&Don't show me this warning again");
    QVERIFY(!box->isChecked());
    const QList<QPushButton*> buttons = warning.findChildren<QPushButton*>();
    QCOMPARE(Texts(buttons), QStringList({"OK (default)"}));
    QCOMPARE(warning.focusWidget(), buttons[0]);
    buttons[0]->click();
  });

  QVERIFY(program.Start());

  QVERIFY(program.Frame().isVisible());
}

void DecoderAppTest::onlyOkWithTheBoxCheckedTurnsTheWarningOff() {
  const struct {
    const char* name;
    const char* stored;  // the "NoWarning" value before the first run; nullptr: none
    WarningAnswer answer;
    bool shownFirst;
    const char* storedAfter;  // empty: none
    bool shownAgain;
  } cases[] = {
      {"OK with the box cleared", nullptr, {false, WarningExit::Ok}, true, "", true},
      {"OK with the box checked", nullptr, {true, WarningExit::Ok}, true, "1", false},
      {"Esc with the box checked", nullptr, {true, WarningExit::Escape}, true, "", true},
      {"close box with the box checked", nullptr, {true, WarningExit::CloseBox}, true, "", true},
      {"any value but 0 turns it off", "2", {}, false, "2", false},
      {"0 shows it", "0", {}, true, "0", true},
  };
  for (const auto& c : cases) {
    AppFixture program;
    if (c.stored) OpenAppSettings()->setValue(QString::fromUtf8(kNoWarningKey), c.stored);

    QVERIFY2(program.Start({}, c.answer), c.name);
    QVERIFY2(program.warningShown == c.shownFirst, c.name);
    QVERIFY2(program.Frame().isVisible(), c.name);
    const QString settingsFile =
        QString::fromStdString(program.folder.Path("config/Local AppWizard-Generated Applications/Tivora Track Decoder.conf"));
    QVERIFY2(*c.storedAfter == '\0' ? !ReadText(settingsFile).contains("NoWarning")
                                    : ReadText(settingsFile).contains(QStringLiteral("[Settings]\nNoWarning=") + c.storedAfter),
             c.name);

    program.Start();
    QVERIFY2(program.warningShown == c.shownAgain, c.name);
  }
}

void DecoderAppTest::carriesOutTheCommandLine() {
  const struct {
    const char* name;
    const char* file;  // nullptr: no argument
    std::optional<DesignDescription> design;
    bool started;
    const char* caption;
    int lines;
    int messages;
  } cases[] = {
      {"no argument", nullptr, {}, true, "Untitled - Tivora Track Decoder", 0, 0},
      {"a design", "track.td4", Hill(), true, "track.td4 - Tivora Track Decoder", 3, 0},
      // The document refuses it, but the file was opened: the program goes on,
      // untitled, since it shows nothing of that file.
      {"a refused design", "maze.td4", Design({{kLevel}, {kLeftCurve}}, RideType::HedgeMaze), true,
       "Untitled - Tivora Track Decoder", 0, 1},
      {"a missing file", "missing.td4", {}, false, nullptr, 0, 1},
  };
  for (const auto& c : cases) {
    AppFixture program;
    program.TurnWarningOff();
    CCommandLineInfo commandLine;
    if (c.file) commandLine.m_strFileName = QString::fromStdString(program.folder.Path(c.file));
    if (c.design) program.WriteDesign(*c.design, c.file);

    QVERIFY2(program.Start(commandLine) == c.started, c.name);

    QVERIFY2(program.messages.Shown().size() == std::size_t(c.messages), c.name);
    if (!c.started) {
      // Ended before any window was shown.
      QVERIFY2(!program.app->GetMainWnd(), c.name);
      QVERIFY2(!AnyWindowVisible(), c.name);
      continue;
    }
    QVERIFY2(program.Frame().isVisible(), c.name);
    QCOMPARE(ShownCaption(program.Frame()), c.caption);
    QVERIFY2(program.ListedLines() == c.lines, c.name);
  }
}

void DecoderAppTest::opensADroppedDesignLikeFileOpen() {
  AppFixture program;
  program.TurnWarningOff();
  program.Start({QString::fromStdString(program.WriteDesign(Hill(), "first.td4"))});
  program.Frame().GetDocument().SetModifiedFlag(true);

  QMimeData noFile;
  noFile.setText(QStringLiteral("first.td4"));
  QVERIFY(!Drop(program.Frame(), noFile));

  QMimeData dropped;
  dropped.setUrls({QUrl::fromLocalFile(QString::fromStdString(program.WriteDesign(Hill(), "dropped.td4")))});
  program.messages.Answer(IDNO);
  QVERIFY(Drop(program.Frame(), dropped));

  QTRY_COMPARE(ShownCaption(program.Frame()), "dropped.td4 - Tivora Track Decoder");
  QCOMPARE(program.messages.Texts(), std::vector<std::string>({"Save changes to first.td4?"}));
  QCOMPARE(program.ListedLines(), 3);
}

void DecoderAppTest::showsADroppedFolderInTheDesignsPanel() {
  AppFixture program;
  program.TurnWarningOff();
  program.Start();
  TempFolder designs;
  designs.Write("hill.td4", BuildDesignFile(Hill()));
  QMimeData dropped;
  dropped.setUrls({QUrl::fromLocalFile(QString::fromStdString(designs.Path("")))});

  QVERIFY(Drop(program.Frame(), dropped));

  DesignsPanel& panel = program.Frame().GetDesignsPanel();
  QTRY_VERIFY(!panel.isHidden());
  QTRY_COMPARE(panel.Model().rowCount(), 1);
  // The design in the window stays as it was.
  QCOMPARE(ShownCaption(program.Frame()), "Untitled - Tivora Track Decoder");
  QVERIFY(program.messages.Texts().empty());
}

void DecoderAppTest::aboutShowsTheIconAndTheVersion() {
  AppFixture program;
  program.TurnWarningOff();
  program.Start();
  WhenModal<CAboutDlg>([](CAboutDlg& about) {
    QCOMPARE(about.windowTitle(), "About Tivora Track Decoder");
    QCOMPARE(Texts(about.findChildren<QLabel*>()), QStringList({"Tivora Track Decoder Version 1.1"}));
    int icons = 0;
    for (const QLabel* label : about.findChildren<QLabel*>()) icons += !label->pixmap().isNull();
    QCOMPARE(icons, 1);
    const QList<QPushButton*> buttons = about.findChildren<QPushButton*>();
    QCOMPARE(Texts(buttons), QStringList({"OK (default)"}));
    buttons[0]->click();
  });

  QAction& about = *program.Frame().Commands().appAbout;
  QVERIFY(about.isEnabled());
  about.trigger();

  QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(DecoderAppTest)
#include "DecoderAppTest.moc"
