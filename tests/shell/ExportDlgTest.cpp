#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPushButton>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "shell/dialogs/ExportDlg.h"
#include "shell/platform/FileLauncher.h"
#include "tests/shell/ShellFixture.h"

namespace {
constexpr std::uint8_t kLevel = 0, kUp = 4;

DesignDescription Hill() { return Design({{kLevel}, {kUp}, {kLevel}}); }

// The export of Hill() from "track.td4", listed from elevation 10.
const char* const kHillExport =
    "Filename:\ttrack.td4\r\n"
    "Ride Type:\tSteel Twister Roller Coaster\r\n"
    "Vehicle Type:\tTwister cars (1 6-car train)\r\n"
    "Operating Mode:\tContinuous Circuit Mode\r\n"
    "\r\n"
    "0001\t\t\tLevel (10)\r\n"
    "0002\t\t\tUp (10-11)\r\n"
    "0003\t\t\tLevel (11)\r\n";

class RecordingLauncher : public IFileLauncher {
public:
  void Launch(const QString& path, QObject&, std::function<void()> failed) override {
    launched << path;
    if (!opens) failed();
  }
  QStringList launched;
  bool opens = true;  // false: the desktop has no program for the file
};

QStringList Items(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
  return items;
}

// The names the dialog's file list shows in a folder.
QStringList Listed(const CExportDlg& dialog, const std::string& folder) {
  const auto& files = *dialog.findChild<QFileSystemModel*>();
  const QModelIndex root = files.index(QString::fromStdString(folder));
  QStringList names;
  for (int row = 0; row < files.rowCount(root); ++row) names << files.index(row, 0, root).data().toString();
  return names;
}

QByteArray ReadAll(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// What the user does in the export dialog.
struct ExportAnswer {
  std::string path;  // the file chosen; empty: Cancel
  bool launch = false;
};

// A loaded Hill() with the launches recorded, listed from elevation 10.
struct ExportFixture : ShellFixture {
  ExportFixture() {
    OpenDesign(Hill());
    View().m_nStartElevation = 10;
    View().SetFileLauncher(launcher);
  }
  // With the desktop's own launcher, which runs xdg-open.
  explicit ExportFixture(IFileLauncher& desktop) {
    OpenDesign(Hill());
    View().m_nStartElevation = 10;
    View().SetFileLauncher(desktop);
  }

  // Runs File > Export with the user's answer; a question whether to replace
  // an existing file is answered Yes and counted.
  void Export(const ExportAnswer& answer) {
    WhenModal<CExportDlg>([this, answer](CExportDlg& dialog) {
      QVERIFY(!dialog.m_wndLaunch->isChecked());
      if (answer.launch) QTest::keyClick(dialog.m_wndLaunch, Qt::Key_Space);
      if (answer.path.empty()) return dialog.reject();
      dialog.selectFile(QString::fromStdString(answer.path));
      QTimer::singleShot(0, [this] {
        if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
          ++replaceQuestions;
          question->button(QMessageBox::Yes)->click();
        }
      });
      static_cast<QDialog&>(dialog).accept();  // as the Save button does
    });
    frame.Commands().fileExport->trigger();
  }

  RecordingLauncher launcher;
  int replaceQuestions = 0;
};
}  // namespace

class ExportDlgTest : public QObject {
  Q_OBJECT
private slots:
  void offersATextFileNamedAfterTheDesign();
  void writesTheListingAndLaunchesItOnlyWhenAsked();
  void cancelWritesAndLaunchesNothing();
  void replacesAnExistingFileWhole();
  void reportsAFileThatCannotBeCreated();
  void refusesTheDesignUnderEveryName();
  void reportsAFailedWriteInTheExportsOwnWords();
  void saysSoWhenNoProgramOpensTheExport();
  void believesTheOpenersExitStatus();
};

void ExportDlgTest::offersATextFileNamedAfterTheDesign() {
  ExportFixture shell;
  shell.folder.Write("README", std::vector<std::uint8_t>{});
  WhenModal<CExportDlg>([&](CExportDlg& dialog) {
    QCOMPARE(dialog.windowTitle(), "Export Track List");
    auto& types = *dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    QCOMPARE(Items(types), QStringList({"Text Files (*.txt)", "All Files (*.*)"}));
    QCOMPARE(types.currentIndex(), 0);
    QCOMPARE(dialog.defaultSuffix(), "txt");
    QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
    // The design's title as a text file, in the design's folder: never the design itself.
    QCOMPARE(dialog.selectedFiles(), QStringList({QString::fromStdString(shell.folder.Path("track.txt"))}));
    QCOMPARE(dialog.m_wndLaunch->text(), "&Launch file after creation");
    QVERIFY(dialog.m_wndLaunch->isVisible());
    QVERIFY(dialog.m_wndLaunch->focusPolicy() & Qt::TabFocus);

    // "All Files (*.*)" lists every file, with or without a dot, and keeps the typed name.
    dialog.selectFile(QString::fromStdString(shell.folder.Path("list.txt")));
    QTest::keyClick(&types, Qt::Key_Down);
    QCOMPARE(types.currentText(), "All Files (*.*)");
    QCOMPARE(dialog.selectedFiles(), QStringList({QString::fromStdString(shell.folder.Path("list.txt"))}));
    QTRY_VERIFY(Listed(dialog, shell.folder.Path("")).contains("README"));
    dialog.reject();
  });
  shell.frame.Commands().fileExport->trigger();
}

void ExportDlgTest::writesTheListingAndLaunchesItOnlyWhenAsked() {
  ExportFixture shell;
  // One export after the other: the box starts cleared every time.
  const struct {
    const char* typed;
    bool launch;
    const char* written;
  } cases[] = {
      {"checked.txt", true, "checked.txt"},
      {"cleared", false, "cleared.txt"},  // a name without extension gets ".txt"
      {"kept.csv", true, "kept.csv"},
  };
  for (const auto& c : cases) {
    shell.launcher.launched.clear();
    shell.Export({shell.folder.Path(c.typed), c.launch});

    const std::string written = shell.folder.Path(c.written);
    QCOMPARE(ReadAll(written), QByteArray(kHillExport));
    QCOMPARE(shell.launcher.launched,
             c.launch ? QStringList({QString::fromStdString(written)}) : QStringList());
  }
  QVERIFY(shell.messages.Shown().empty());
  QVERIFY(!shell.frame.GetDocument().IsModified());
}

void ExportDlgTest::cancelWritesAndLaunchesNothing() {
  ExportFixture shell;
  shell.Export({"", true});

  QCOMPARE(shell.folder.Entries(), std::vector<std::string>({"track.td4"}));
  QVERIFY(shell.launcher.launched.isEmpty());
  QVERIFY(shell.messages.Shown().empty());
}

void ExportDlgTest::replacesAnExistingFileWhole() {
  ExportFixture shell;
  const std::string path = shell.folder.Write("old.txt", std::vector<std::uint8_t>(5000, 'x'));

  shell.Export({path, false});

  QCOMPARE(shell.replaceQuestions, 1);
  QCOMPARE(ReadAll(path), QByteArray(kHillExport));
}

void ExportDlgTest::reportsAFileThatCannotBeCreated() {
  ExportFixture shell;
  shell.folder.Write("plain", std::vector<std::uint8_t>{});
  for (const char* name : {"missing/list.txt", "plain/list.txt"}) {
    shell.Export({shell.folder.Path(name), true});

    const MessageBoxRequest& shown = shell.messages.Shown().back();
    QCOMPARE(shown.text, "Error creating output file");
    QCOMPARE(shown.caption, "Tivora Track Decoder");
    QCOMPARE(shown.type, unsigned(MB_OK | MB_ICONINFORMATION));
    QVERIFY(shell.launcher.launched.isEmpty());
  }
  QCOMPARE(shell.messages.Shown().size(), std::size_t(2));
}

// Replacing it would lose the design the listing is made from.
void ExportDlgTest::refusesTheDesignUnderEveryName() {
  ExportFixture shell;
  const std::string design = shell.folder.Path("track.td4");
  const QByteArray bytes = ReadAll(design);
  QVERIFY(::link(design.c_str(), shell.folder.Path("hard.td4").c_str()) == 0);
  std::filesystem::create_symlink("track.td4", shell.folder.Path("soft.td4"));
  for (const char* name : {"track.td4", "hard.td4", "soft.td4"}) {
    shell.Export({shell.folder.Path(name), true});

    const MessageBoxRequest& shown = shell.messages.Shown().back();
    QCOMPARE(shown.text, shell.folder.Path(name) + " is the design file itself; choose another file for the listing.");
    QCOMPARE(shown.caption, "Tivora Track Decoder");
    QCOMPARE(shown.type, unsigned(MB_OK | MB_ICONINFORMATION));
  }
  QCOMPARE(shell.messages.Shown().size(), std::size_t(3));
  QVERIFY(shell.launcher.launched.isEmpty());
  QCOMPARE(ReadAll(design), bytes);
  QCOMPARE(shell.folder.Entries(), std::vector<std::string>({"hard.td4", "soft.td4", "track.td4"}));
  QVERIFY(std::filesystem::is_symlink(shell.folder.Path("soft.td4")));
}

// A short listing fails when the file is completed, a long one while it is
// written; neither is launched. (full.txt leads to the full device.)
void ExportDlgTest::reportsAFailedWriteInTheExportsOwnWords() {
  ExportFixture shell;
  const std::string full = shell.folder.Path("full.txt");
  std::filesystem::create_symlink("/dev/full", full);
  shell.Export({full, true});
  QCOMPARE(shell.messages.Texts(), std::vector<std::string>({"Disk full while accessing " + full + "."}));
  QCOMPARE(shell.messages.Shown().back().caption, "Tivora Track Decoder");
  QCOMPARE(shell.messages.Shown().back().type, unsigned(MB_OK | MB_ICONEXCLAMATION));

  std::vector<SegmentEntry> longTrack;
  for (int i = 0; i < 20000; ++i) longTrack.push_back({i % 2 ? kUp : kLevel});
  shell.OpenDesign(Design(longTrack), "long.td4");
  shell.Export({full, true});
  QCOMPARE(shell.messages.Shown().size(), std::size_t(2));
  QCOMPARE(shell.messages.Shown().back().text, "Error writing output file");
  QCOMPARE(shell.messages.Shown().back().caption, "Track Decoder");
  QCOMPARE(shell.messages.Shown().back().type, unsigned(MB_OK | MB_ICONINFORMATION));
  QVERIFY(shell.launcher.launched.isEmpty());
}

void ExportDlgTest::saysSoWhenNoProgramOpensTheExport() {
  ExportFixture shell;
  shell.launcher.opens = false;
  const std::string path = shell.folder.Path("list.txt");

  shell.Export({path, true});

  QCOMPARE(ReadAll(path), QByteArray(kHillExport));
  QCOMPARE(shell.launcher.launched, QStringList({QString::fromStdString(path)}));
  QCOMPARE(shell.messages.Texts(), std::vector<std::string>({"The track list was written to " + path +
                                                             ", but no program could be found to open it."}));
  QCOMPARE(shell.messages.Shown().back().caption, "Tivora Track Decoder");
  QCOMPARE(shell.messages.Shown().back().type, unsigned(MB_OK | MB_ICONINFORMATION));

  // Without the box checked nothing is launched, so there is nothing to report.
  shell.Export({path, false});
  QCOMPARE(shell.messages.Shown().size(), std::size_t(1));
}

void ExportDlgTest::believesTheOpenersExitStatus() {
  const struct {
    const char* name;
    const char* opener;  // the xdg-open script on the PATH; nullptr: none there
    bool reported;
  } cases[] = {
      {"opened", "#!/bin/sh\necho \"$1\" >\"$0.ran\"\n", false},
      // As xdg-open ends when the desktop has no program for the file's type.
      {"no program for the type", "#!/bin/sh\necho \"$1\" >\"$0.ran\"\nexit 4\n", true},
      {"no opener", nullptr, true},
  };
  const QByteArray path = qgetenv("PATH");
  for (const auto& c : cases) {
    TempFolder bin;
    if (c.opener) {
      bin.Write("xdg-open", std::span(reinterpret_cast<const std::uint8_t*>(c.opener), std::strlen(c.opener)));
      std::filesystem::permissions(bin.Path("xdg-open"), std::filesystem::perms::owner_all);
    }
    qputenv("PATH", QByteArray::fromStdString(bin.Path("")));
    ExportFixture shell(DesktopFileLauncher());
    const std::string exported = shell.folder.Path("list.txt");

    shell.Export({exported, true});

    if (c.opener) QTRY_VERIFY2(std::filesystem::exists(bin.Path("xdg-open.ran")), c.name);
    if (c.reported) {
      QTRY_VERIFY2(shell.messages.Shown().size() == 1, c.name);
      QCOMPARE(shell.messages.Texts().front(),
               "The track list was written to " + exported + ", but no program could be found to open it.");
    } else {
      QTest::qWait(200);
      QVERIFY2(shell.messages.Shown().empty(), c.name);
    }
    QVERIFY2(ReadAll(exported) == QByteArray(kHillExport), c.name);
  }
  qputenv("PATH", path);
}

QTEST_MAIN(ExportDlgTest)
#include "ExportDlgTest.moc"
