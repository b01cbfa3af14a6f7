#include <QDir>
#include <QMenu>

#include "tests/shell/AppFixture.h"
#include "vocabulary/SegmentCodes.h"

namespace {
constexpr std::uint8_t kLevel = 0, kUp = 4;

DesignDescription Hill() { return Design({{kLevel}, {kUp}, {kLevel}}); }

// The program with its warning turned off and designs ready to open.
struct RecentFixture : AppFixture {
  RecentFixture() {
    TurnWarningOff();
    Start();
  }

  QString Write(const std::string& name) {
    std::filesystem::create_directories(std::filesystem::path(folder.Path(name)).parent_path());
    return QString::fromStdString(WriteDesign(Hill(), name));
  }

  void Open(const QString& path) {
    fileDialogs.Answer(path);
    Frame().Commands().fileOpen->trigger();
  }

  // The File menu's items as the user sees them, with "|" for a separator.
  QStringList FileMenu() {
    QStringList items;
    for (const QAction* item : Frame().FileMenu().actions())
      if (item->isVisible()) items << (item->isSeparator() ? QStringLiteral("|") : item->text());
    return items;
  }

  // The recent files the menu offers, by what choosing each opens.
  QStringList Offered() {
    QStringList paths;
    for (const QAction* item : Frame().FileMenu().actions())
      if (item->isVisible() && item->statusTip() == QLatin1String("Open this document") && item != Placeholder())
        paths << item->data().toString();
    return paths;
  }

  QStringList Stored() {
    const std::unique_ptr<QSettings> settings = OpenAppSettings();
    QStringList paths;
    for (const char* key : {"File1", "File2", "File3", "File4"})
      paths << settings->value(QStringLiteral("Recent File List/") + QLatin1String(key)).toString();
    return paths;
  }

  QAction* Placeholder() { return Frame().Commands().fileRecentFile; }

  void Choose(const QString& path) {
    for (QAction* item : Frame().FileMenu().actions())
      if (item->isVisible() && item->data().toString() == path) return item->trigger();
    QFAIL("the recent file is not offered");
  }
};
}  // namespace

class RecentFilesTest : public QObject {
  Q_OBJECT
private slots:
  void keepsTheLastFourMostRecentFirstAcrossRuns();
  void choosingOneOpensItLikeFileOpen();
  void saveAsPutsTheNewFileFirst();
  void refusedFilesStayOffTheList();
};

void RecentFilesTest::keepsTheLastFourMostRecentFirstAcrossRuns() {
  RecentFixture program;
  QCOMPARE(program.FileMenu(),
           QStringList({"&New", "&Open...", "Open &Folder...", "&Save", "Save &As...", "&Export ....", "|",
                        "Recent File", "|", "E&xit"}));
  QVERIFY(!program.Placeholder()->isEnabled());

  const QStringList paths = {program.Write("a.td4"), program.Write("b.td4"), program.Write("c.td4"),
                             program.Write("d.td4"),
                             // Shortened in the menu, and its "&" is no mnemonic.
                             program.Write("very-long-folder-name/designs/R&D.td4")};
  for (const QString& path : paths) program.Open(path);
  // Opening a listed file again moves it to the top.
  program.Open(paths[2]);

  const QStringList expected = {paths[2], paths[4], paths[3], paths[1]};
  QCOMPARE(program.Offered(), expected);
  QCOMPARE(program.Stored(), expected);
  const QStringList menu = program.FileMenu();
  QCOMPARE(menu.mid(6), QStringList({"|", "&1 " + QDir::toNativeSeparators(paths[2]),
                                     "&2 /.../very-long-folder-name/designs/R&&D.td4",
                                     "&3 " + QDir::toNativeSeparators(paths[3]),
                                     "&4 " + QDir::toNativeSeparators(paths[1]), "|", "E&xit"}));

  program.Start();
  QCOMPARE(program.Offered(), expected);
}

void RecentFilesTest::choosingOneOpensItLikeFileOpen() {
  RecentFixture program;
  const QString first = program.Write("first.td4"), second = program.Write("second.td4");
  program.Open(first);
  program.Open(second);
  CDecoderDoc& document = program.Frame().GetDocument();
  document.SetModifiedFlag(true);

  // The open file: no question, no reload, so the unsaved change stays.
  program.Choose(second);
  QVERIFY(program.messages.Shown().empty());
  QVERIFY(document.IsModified());
  QCOMPARE(program.Offered(), QStringList({second, first}));

  program.messages.Answer(IDNO);
  program.Choose(first);
  QCOMPARE(program.messages.Texts(), std::vector<std::string>({"Save changes to second.td4?"}));
  QCOMPARE(ShownCaption(program.Frame()), "first.td4 - Tivora Track Decoder");
  QCOMPARE(program.Offered(), QStringList({first, second}));

  // A file that is gone is reported and leaves the list.
  QFile::remove(second);
  program.Choose(second);
  QCOMPARE(program.messages.Shown().size(), std::size_t(2));
  QCOMPARE(program.Offered(), QStringList({first}));
  QCOMPARE(program.Stored(), QStringList({first, "", "", ""}));
}

void RecentFilesTest::saveAsPutsTheNewFileFirst() {
  RecentFixture program;
  const QString opened = program.Write("opened.td4");
  program.Open(opened);
  const QString saved = QString::fromStdString(program.folder.Path("saved.td4"));
  program.fileDialogs.Answer(saved);

  program.Frame().Commands().fileSaveAs->trigger();

  QCOMPARE(program.Offered(), QStringList({saved, opened}));
  QCOMPARE(program.Stored(), QStringList({saved, opened, "", ""}));
}

void RecentFilesTest::refusedFilesStayOffTheList() {
  RecentFixture program;
  const QString kept = program.Write("kept.td4");
  program.Open(kept);
  std::vector<std::uint8_t> wrongChecksum = BuildDesignFile(Hill());
  wrongChecksum.back() ^= 0x5A;
  const QString refused[] = {
      QString::fromStdString(program.WriteDesign(Design({{kLevel}}, RideType::HedgeMaze), "maze.td4")),
      QString::fromStdString(program.folder.Write("damaged.td4", wrongChecksum)),  // answered No
      QString::fromStdString(program.folder.Write("empty.td4", std::vector<std::uint8_t>{})),
  };
  for (const QString& path : refused) program.Open(path);

  QCOMPARE(program.Offered(), QStringList({kept}));
  QCOMPARE(program.Stored(), QStringList({kept, "", "", ""}));
}

QTEST_MAIN(RecentFilesTest)
#include "RecentFilesTest.moc"
