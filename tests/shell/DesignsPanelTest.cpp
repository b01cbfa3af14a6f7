#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableView>
#include <filesystem>

#include "render/Legibility.h"
#include "shell/designs/ColumnChooser.h"
#include "shell/designs/DesignSortProxy.h"
#include "shell/designs/DesignTableModel.h"
#include "shell/designs/DesignsPanel.h"
#include "tests/shell/AppFixture.h"
#include "tests/shell/SchemePalettes.h"

namespace {
constexpr std::uint8_t kLevel = 0, kUp = 4, kUpSteep = 5, kDown = 10, kLeftCurve = 16, kRightCurve = 17,
                       kUpToVertical = 124;
using Column = DesignTableModel::Column;

// Elevations from starting elevation 1, worked out from the delta of each code
// (Up steep +4, Down -1, Slope up to vertical +10); the buildable range is 1..61.
// Three climbs of 4: from 1 up to 13, so it fits from 1 up to 61 - 12 = 49.
DesignDescription Steep() { return Design({{kUpSteep}, {kUpSteep}, {kUpSteep}}); }
// Ten falls of 1: down to -9, so it needs a start of at least 1 + 10 = 11.
DesignDescription Drop() { return Design(std::vector<SegmentEntry>(10, {kDown})); }
// A climb of 70 cannot fit the range of 60 at any start.
DesignDescription Tower() {
  std::vector<SegmentEntry> segments(8, {kUpToVertical});
  segments.front() = {kLevel};
  return Design(segments);
}

// Bytes that are no design at all.
const std::vector<std::uint8_t> kNoise = {0x13, 0x37, 0xC0, 0xFF, 0xEE, 0x00, 0x42};

// The panel's column as the user reads it, top to bottom.
QStringList ColumnTexts(DesignsPanel& panel, Column column) {
  QStringList texts;
  const QSortFilterProxyModel& proxy = panel.Proxy();
  for (int row = 0; row < proxy.rowCount(); ++row) texts << proxy.index(row, column).data().toString();
  return texts;
}

// A folder of designs beside the fixture's own, so that opening one does not list the other.
struct DesignFolder {
  std::string Write(const DesignDescription& design, const std::string& name) {
    return folder.Write(name, BuildDesignFile(design));
  }
  QString Path() const { return QString::fromStdString(folder.Path("")).chopped(1); }

  TempFolder folder;
};

// Opens the folder in the panel and waits until every design is in.
void OpenAndWait(DesignsPanel& panel, const QString& folder, int designs) {
  panel.OpenFolder(folder);
  QTRY_VERIFY(!panel.IsScanning());
  QCOMPARE(panel.Model().rowCount(), designs);
}

// Two designs that fit, one that fits nowhere and one refused.
void WriteOneOfEach(DesignFolder& designs) {
  designs.Write(Steep(), "steep.td4");
  designs.Write(Drop(), "drop.td4");
  designs.Write(Tower(), "tower.td4");
  designs.folder.Write("noise.td4", kNoise);
}

// The panel with one design of each kind in.
struct OneOfEachShown {
  OneOfEachShown() {
    WriteOneOfEach(designs);
    OpenAndWait(panel, designs.Path(), 4);
  }
  ShellFixture shell;
  DesignFolder designs;
  DesignsPanel& panel = shell.frame.GetDesignsPanel();
};

int RowOf(DesignsPanel& panel, const QString& fileName) {
  return ColumnTexts(panel, DesignTableModel::FileName).indexOf(fileName);
}
}  // namespace

class DesignsPanelTest : public QObject {
  Q_OBJECT
private slots:
  void showsTheSummaryOfEveryDesign();
  void tellsEachStateInWords();
  void sortsNumbersAsNumbersAndFilters();
  void filterPlaceholderReadsInLightAndDark();
  void opensTheChosenDesignAfterTheSaveQuestion();
  void followsFilesAddedChangedAndRemoved();
  void scanningCancels();
  void readsAFolderLargerThanOneHandOver();
  void remembersItsFolderAcrossStarts();
  void countsTheDesignsAndTellsOfACancelledScan();
  void showsARefusedDesignsMessageAcrossItsRow();
  void sortsEmptyCellsLastBothWays();
  void remembersTheColumnsChosen();
  void namesTheFirstDesignOfTheSameTrack();
  void paintsProfilesOfTheRowsOnScreenOnly();
};

void DesignsPanelTest::showsTheSummaryOfEveryDesign() {
  ShellFixture shell;
  DesignFolder designs;
  designs.Write(Steep(), "steep.td4");
  designs.Write(Drop(), "drop.TD4");
  designs.folder.Write("noise.td4", kNoise);
  designs.folder.Write("notes.txt", kNoise);  // not a design: not listed

  shell.frame.Commands().fileOpenFolder->trigger();  // cancelled
  QVERIFY(shell.frame.GetDesignsPanel().isHidden());
  shell.fileDialogs.Answer(designs.Path());
  shell.frame.Commands().fileOpenFolder->trigger();
  DesignsPanel& panel = shell.frame.GetDesignsPanel();
  QVERIFY(!panel.isHidden());
  QTRY_VERIFY(!panel.IsScanning());

  const auto row = [&panel](const QString& name) {
    QStringList texts;
    for (int column = DesignTableModel::Checksum; column <= DesignTableModel::Fits; ++column)
      texts << panel.Proxy().index(RowOf(panel, name), column).data().toString();
    return texts;
  };
  QCOMPARE(ColumnTexts(panel, DesignTableModel::FileName), QStringList({"drop.TD4", "noise.td4", "steep.td4"}));
  QCOMPARE(row("steep.td4"), QStringList({"normal", "3", "1", "13", "1..49"}));
  QCOMPARE(row("drop.TD4"), QStringList({"normal", "10", "-9", "1", "11..61"}));
  QCOMPARE(row("noise.td4"), QStringList({"", "", "", "", ""}));
  const auto names = [&panel](const QString& name) {
    QStringList texts;
    for (int column = DesignTableModel::RideType; column <= DesignTableModel::OperatingMode; ++column)
      texts << panel.Proxy().index(RowOf(panel, name), column).data().toString();
    return texts;
  };
  QCOMPARE(names("steep.td4"), QStringList({"Steel Twister Roller Coaster", "Twister cars (1 6-car train)", "Continuous Circuit Mode"}));
  QVERIFY(!panel.Proxy().index(RowOf(panel, "noise.td4"), DesignTableModel::Message).data().toString().isEmpty());
  const auto state = [&panel](const QString& name) {
    return panel.Proxy().index(RowOf(panel, name), DesignTableModel::FileName).data(Qt::ToolTipRole).toString();
  };
  QCOMPARE(state("steep.td4"), "Loads and fits with starting elevations 1..49");
  const QString message = panel.Proxy().index(RowOf(panel, "noise.td4"), DesignTableModel::Message).data().toString();
  QCOMPARE(state("noise.td4"), "Refused: " + message);
  // Every cell of the row tells the same.
  QCOMPARE(panel.Proxy().index(RowOf(panel, "noise.td4"), DesignTableModel::Segments).data(Qt::ToolTipRole).toString(),
           "Refused: " + message);
  // Summaries are made on other threads: their messages never reach the window's box.
  QVERIFY(shell.messages.Texts().empty());
}

void DesignsPanelTest::tellsEachStateInWords() {
  ShellFixture shell;
  DesignFolder designs;
  designs.Write(Steep(), "steep.td4");
  designs.Write(Tower(), "tower.td4");
  designs.folder.Write("noise.td4", kNoise);
  std::vector<std::uint8_t> wrong = BuildDesignFile(Steep());
  wrong.back() ^= 0x5A;  // the trailer no longer matches the bytes before it
  designs.folder.Write("wrong.td4", wrong);
  DesignsPanel& panel = shell.frame.GetDesignsPanel();
  OpenAndWait(panel, designs.Path(), 4);

  // As a screen reader reads the File cell, whose icon alone shows the state.
  QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(&panel.Table())->tableInterface();
  QVERIFY(table);
  const struct {
    QString file;
    QString words;
  } cases[] = {
      {"steep.td4", "Loads and fits with starting elevations 1..49"},
      {"tower.td4", "Loads, but fits at no starting elevation"},
      {"noise.td4", "Refused: Unexpected file format."},
      // The same bytes as steep.td4 but for the trailer: the same track.
      {"wrong.td4",
       "Wrong checksum, loaded as the Yes answer loads it; fits with starting elevations 1..49; same as steep.td4"},
  };
  for (const auto& c : cases) {
    QAccessibleInterface* cell = table->cellAt(RowOf(panel, c.file), DesignTableModel::FileName);
    QCOMPARE(cell->text(QAccessible::Name), c.file);
    QCOMPARE(cell->text(QAccessible::Description), c.words);
  }
  // The View menu's item keeps its own text, whatever the panel's title shows.
  QCOMPARE(panel.toggleViewAction()->text(), "&Designs Panel");
}

// The empty filter field's "Filter" reads as text must, 4.5 to 1 on the field,
// also in a dark palette that kept a light scheme's placeholder.
void DesignsPanelTest::filterPlaceholderReadsInLightAndDark() {
  ShellFixture shell;
  const QLineEdit& field = shell.frame.GetDesignsPanel().FilterField();
  for (const auto& [scheme, palette] : LightDarkLight()) {
    const ScopedAppPalette applied(palette);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      const QPalette& shown = field.palette();
      QVERIFY2(ContrastRatio(shown.color(group, QPalette::PlaceholderText), shown.color(group, QPalette::Base)) >=
                   kTextContrast,
               scheme);
    }
  }
}

void DesignsPanelTest::sortsNumbersAsNumbersAndFilters() {
  OneOfEachShown shown;
  DesignsPanel& panel = shown.panel;

  // As text "10" would come before "3"; a design without segments comes last.
  panel.Table().sortByColumn(DesignTableModel::Segments, Qt::AscendingOrder);
  QCOMPARE(ColumnTexts(panel, DesignTableModel::Segments), QStringList({"3", "8", "10", ""}));
  panel.Table().sortByColumn(DesignTableModel::Lowest, Qt::AscendingOrder);
  QCOMPARE(ColumnTexts(panel, DesignTableModel::FileName),
           QStringList({"drop.td4", "steep.td4", "tower.td4", "noise.td4"}));
  panel.Table().sortByColumn(DesignTableModel::Fits, Qt::AscendingOrder);
  QCOMPARE(ColumnTexts(panel, DesignTableModel::Fits), QStringList({"1..49", "11..61", "none", ""}));

  const struct {
    QString filter;
    QStringList shown;
  } cases[] = {
      {"STEEP", {"steep.td4"}},  // the file name, in any case
      {"none", {"tower.td4"}},   // the fitting range
      {"-9", {"drop.td4"}},      // a number
      {"", {"steep.td4", "drop.td4", "tower.td4", "noise.td4"}},
  };
  for (const auto& c : cases) {
    panel.FilterField().setText(c.filter);
    QCOMPARE(ColumnTexts(panel, DesignTableModel::FileName), c.shown);
  }
}

void DesignsPanelTest::opensTheChosenDesignAfterTheSaveQuestion() {
  enum class Choice { Enter, DoubleClick };
  const struct {
    const char* name;
    Choice choice;
    int answer;
    QString caption;
  } cases[] = {
      {"Enter, No", Choice::Enter, IDNO, "steep.td4 - Tivora Track Decoder"},
      {"double-click, No", Choice::DoubleClick, IDNO, "steep.td4 - Tivora Track Decoder"},
      {"Enter, Cancel", Choice::Enter, IDCANCEL, "track.td4* - Tivora Track Decoder"},
  };
  for (const auto& c : cases) {
    ShellFixture shell;
    DesignFolder designs;
    designs.Write(Drop(), "drop.td4");
    designs.Write(Steep(), "steep.td4");
    shell.OpenDesign(Design({{kLevel}, {kLeftCurve}, {kUp}}));
    shell.frame.Commands().editReverseTrack->trigger();
    QVERIFY(shell.Activate());
    DesignsPanel& panel = shell.frame.GetDesignsPanel();
    OpenAndWait(panel, designs.Path(), 2);
    QTableView& table = panel.Table();
    const QModelIndex steep = panel.Proxy().index(RowOf(panel, "steep.td4"), DesignTableModel::Fits);
    table.setCurrentIndex(steep);
    shell.messages.Answer(c.answer);

    if (c.choice == Choice::Enter) {
      QTest::keyClick(&table, Qt::Key_Return);
    } else {
      const QPoint at = table.visualRect(steep).center();
      // As from a real mouse, the double-click follows a first click.
      QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, at);
      QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, at);
    }

    QVERIFY2(shell.messages.Texts() == std::vector<std::string>{"Save changes to track.td4?"}, c.name);
    QVERIFY2(ShownCaption(shell.frame) == c.caption, c.name);
  }
}

void DesignsPanelTest::followsFilesAddedChangedAndRemoved() {
  ShellFixture shell;
  DesignFolder designs;
  const std::string steep = designs.Write(Steep(), "steep.td4");
  DesignsPanel& panel = shell.frame.GetDesignsPanel();
  OpenAndWait(panel, designs.Path(), 1);

  designs.Write(Drop(), "drop.td4");
  QTRY_COMPARE(ColumnTexts(panel, DesignTableModel::FileName), QStringList({"drop.td4", "steep.td4"}));
  std::filesystem::remove(steep);
  QTRY_COMPARE(ColumnTexts(panel, DesignTableModel::FileName), QStringList({"drop.td4"}));
  designs.Write(Tower(), "drop.td4");
  QTRY_COMPARE(ColumnTexts(panel, DesignTableModel::Fits), QStringList({"none"}));
  QCOMPARE(ColumnTexts(panel, DesignTableModel::Segments), QStringList({"8"}));
}

void DesignsPanelTest::scanningCancels() {
  ShellFixture shell;
  DesignFolder many;
  for (int i = 0; i < 300; ++i) many.Write(Steep(), "many" + std::to_string(i) + ".td4");
  DesignFolder few;
  few.Write(Drop(), "drop.td4");
  QVERIFY(shell.Activate());
  DesignsPanel& panel = shell.frame.GetDesignsPanel();

  enum class Way { Escape, Button };
  for (Way way : {Way::Escape, Way::Button}) {
    panel.OpenFolder(many.Path());
    QVERIFY(panel.IsScanning());
    if (way == Way::Escape) {
      panel.Table().setFocus();
      QTest::keyClick(&panel.Table(), Qt::Key_Escape);
    } else {
      for (QPushButton* button : shell.frame.statusBar()->findChildren<QPushButton*>())
        if (button->text() == "Cancel") button->click();
    }
    QVERIFY(!panel.IsScanning());
    QTest::qWait(300);
    QCOMPARE(panel.Model().rowCount(), 0);
    QVERIFY(panel.Progress().isHidden());
  }

  // Another folder takes the place of one still being read.
  panel.OpenFolder(many.Path());
  panel.OpenFolder(few.Path());
  QTRY_VERIFY(!panel.IsScanning());
  QTest::qWait(300);
  QCOMPARE(ColumnTexts(panel, DesignTableModel::FileName), QStringList({"drop.td4"}));
}

void DesignsPanelTest::readsAFolderLargerThanOneHandOver() {
  ShellFixture shell;
  DesignFolder designs;
  // More than the window takes in one batch: the readers must wait for it and then go on.
  constexpr int kDesigns = 5000;
  const std::vector<std::uint8_t> steep = BuildDesignFile(Steep());
  for (int i = 0; i < kDesigns; ++i) designs.folder.Write("design" + std::to_string(i) + ".td4", steep);
  DesignsPanel& panel = shell.frame.GetDesignsPanel();

  panel.OpenFolder(designs.Path());
  // A window busy for a while lets the readers fill a batch and wait for it to be taken.
  QThread::sleep(2);

  QTRY_VERIFY_WITH_TIMEOUT(!panel.IsScanning(), 60000);
  QCOMPARE(panel.Model().rowCount(), kDesigns);
}

void DesignsPanelTest::remembersItsFolderAcrossStarts() {
  AppFixture program;
  program.TurnWarningOff();
  DesignFolder designs;
  designs.Write(Steep(), "steep.td4");
  program.Start();
  QVERIFY(program.Frame().GetDesignsPanel().isHidden());
  program.Frame().addDockWidget(Qt::LeftDockWidgetArea, &program.Frame().GetDesignsPanel());
  program.Frame().GetDesignsPanel().OpenFolder(designs.Path());
  program.Frame().close();

  program.Start();
  DesignsPanel& panel = program.Frame().GetDesignsPanel();
  QVERIFY(!panel.isHidden());
  QCOMPARE(program.Frame().dockWidgetArea(&panel), Qt::LeftDockWidgetArea);
  QCOMPARE(panel.Folder(), designs.Path());
  QTRY_COMPARE(panel.Model().rowCount(), 1);

  // Hidden, it stays hidden and reads nothing at the next start.
  panel.toggleViewAction()->trigger();
  program.Frame().close();
  program.Start();
  QVERIFY(program.Frame().GetDesignsPanel().isHidden());
  QVERIFY(!program.Frame().GetDesignsPanel().IsScanning());
  QCOMPARE(program.Frame().GetDesignsPanel().Model().rowCount(), 0);
}

void DesignsPanelTest::countsTheDesignsAndTellsOfACancelledScan() {
  OneOfEachShown shown;
  DesignsPanel& panel = shown.panel;
  QCOMPARE(panel.Counts().text(), "4 designs · 2 fit · 1 refused · 4 shown");
  panel.FilterField().setText("steep");
  QCOMPARE(panel.Counts().text(), "4 designs · 2 fit · 1 refused · 1 shown");
  QCOMPARE(panel.ScanOutcome().text(), "");

  DesignFolder many;
  for (int i = 0; i < 5000; ++i) many.Write(Steep(), "many" + std::to_string(i) + ".td4");
  panel.FilterField().clear();
  panel.OpenFolder(many.Path());
  QTRY_VERIFY(!panel.Progress().isHidden());  // listed: the scan knows how many there are
  panel.CancelScan();
  const QRegularExpressionMatch cancelled =
      QRegularExpression("^Scan cancelled: ([0-9,]+) of 5,000 read$").match(panel.ScanOutcome().text());
  QVERIFY2(cancelled.hasMatch(), qPrintable(panel.ScanOutcome().text()));
  const QString read = cancelled.captured(1);
  QCOMPARE(read, QLocale(QLocale::English).toString(panel.Model().rowCount()));
  QCOMPARE(panel.Counts().text(), QString("%1 designs · %1 fit · 0 refused · %1 shown").arg(read));
  // Until the next scan.
  OpenAndWait(panel, shown.designs.Path(), 4);
  QCOMPARE(panel.ScanOutcome().text(), "");
}

void DesignsPanelTest::showsARefusedDesignsMessageAcrossItsRow() {
  ShellFixture shell;
  DesignFolder designs;
  designs.Write(Steep(), "steep.td4");
  designs.folder.Write("noise.td4", kNoise);
  QVERIFY(shell.Activate());
  DesignsPanel& panel = shell.frame.GetDesignsPanel();
  OpenAndWait(panel, designs.Path(), 2);
  QTableView& table = panel.Table();
  // Whatever is painted in a cell beside the file's name other than its background.
  const auto inked = [&](const QString& name, Column column) {
    const QImage picture = table.viewport()->grab().toImage();
    const QRect cell = table.visualRect(panel.Proxy().index(RowOf(panel, name), column));
    const QRgb background = picture.pixel(cell.left() + 1, cell.top() + 1);
    int pixels = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
      for (int x = cell.left(); x <= cell.right(); ++x) pixels += picture.pixel(x, y) != background;
    return pixels;
  };
  // Segments of the design that loads are a short number; the refused one's
  // cells, empty in the model, carry its message.
  QVERIFY(inked("noise.td4", DesignTableModel::Fits) > 0);
  QVERIFY(inked("noise.td4", DesignTableModel::RideType) > 0);
  QCOMPARE(inked("steep.td4", DesignTableModel::SameTrack), 0);
}

void DesignsPanelTest::sortsEmptyCellsLastBothWays() {
  OneOfEachShown shown;
  DesignsPanel& panel = shown.panel;
  const struct {
    Column column;
    Qt::SortOrder order;
    QStringList texts;
  } cases[] = {
      {DesignTableModel::Segments, Qt::AscendingOrder, {"3", "8", "10", ""}},
      {DesignTableModel::Segments, Qt::DescendingOrder, {"10", "8", "3", ""}},
      {DesignTableModel::Fits, Qt::DescendingOrder, {"none", "11..61", "1..49", ""}},
      {DesignTableModel::Edition, Qt::DescendingOrder, {"Original Tivora", "Original Tivora", "Original Tivora", ""}},
  };
  for (const auto& c : cases) {
    panel.Table().sortByColumn(c.column, c.order);
    QCOMPARE(ColumnTexts(panel, c.column), c.texts);
  }
}

void DesignsPanelTest::remembersTheColumnsChosen() {
  AppFixture program;
  program.TurnWarningOff();
  program.Start();
  const auto shown = [&program] { return program.Frame().GetDesignsPanel().Columns().Shown(); };
  QCOMPARE(shown(), QStringList({"File", "Segments", "Fits", "Ride type", "Same track"}));
  const auto choose = [&program](const QString& heading) {
    for (QAction* entry : program.Frame().GetDesignsPanel().Columns().actions())
      if (entry->text() == heading) entry->trigger();
  };
  choose("Edition");
  choose("Fits");
  QCOMPARE(shown(), QStringList({"File", "Edition", "Segments", "Ride type", "Same track"}));
  program.Frame().close();

  program.Start();
  QCOMPARE(shown(), QStringList({"File", "Edition", "Segments", "Ride type", "Same track"}));
  const QHeaderView& header = *program.Frame().GetDesignsPanel().Table().horizontalHeader();
  QVERIFY(header.isSectionHidden(DesignTableModel::Fits));
  QVERIFY(!header.isSectionHidden(DesignTableModel::Edition));
}

// The same track under other names: a copy under another ride type, and the
// mirror written by hand (the left curve becomes a right one); the same pieces
// in another order are another track.
void DesignsPanelTest::namesTheFirstDesignOfTheSameTrack() {
  ShellFixture shell;
  DesignFolder designs;
  designs.Write(Design({{kLevel}, {kLeftCurve}, {kUp}}), "a-curve.td4");
  designs.Write(Design({{kLevel}, {kLeftCurve}, {kUp}}, 52), "b-copy.td4");
  designs.Write(Design({{kLevel}, {kRightCurve}, {kUp}}), "c-mirror.td4");
  designs.Write(Design({{kLevel}, {kUp}, {kLeftCurve}}), "d-other.td4");
  designs.folder.Write("e-noise.td4", kNoise);
  DesignsPanel& panel = shell.frame.GetDesignsPanel();
  OpenAndWait(panel, designs.Path(), 5);
  QCOMPARE(ColumnTexts(panel, DesignTableModel::SameTrack),
           QStringList({"", "same as a-curve.td4", "mirrored of a-curve.td4", "", ""}));
  QCOMPARE(panel.Proxy().index(2, DesignTableModel::FileName).data(Qt::ToolTipRole).toString(),
           "Loads and fits with starting elevations 1..60; mirrored of a-curve.td4");

  panel.OnlySharedTracks().trigger();
  QCOMPARE(ColumnTexts(panel, DesignTableModel::FileName), QStringList({"a-curve.td4", "b-copy.td4", "c-mirror.td4"}));
  QCOMPARE(panel.Counts().text(), "5 designs · 4 fit · 1 refused · 3 shown");
  panel.OnlySharedTracks().trigger();
  QCOMPARE(panel.Proxy().rowCount(), 5);
}

void DesignsPanelTest::paintsProfilesOfTheRowsOnScreenOnly() {
  ShellFixture shell;
  DesignFolder designs;
  constexpr int kDesigns = 400;
  for (int i = 0; i < kDesigns; ++i) designs.Write(Steep(), "steep" + std::to_string(1000 + i) + ".td4");
  QVERIFY(shell.Activate());
  DesignsPanel& panel = shell.frame.GetDesignsPanel();
  OpenAndWait(panel, designs.Path(), kDesigns);
  for (QAction* entry : panel.Columns().actions())
    if (entry->text() == "Profile") entry->trigger();
  QTableView& table = panel.Table();
  const auto profileShown = [&](int row) {
    return !panel.Proxy().index(row, DesignTableModel::Profile).data(Qt::DecorationRole).value<QImage>().isNull();
  };
  QTRY_VERIFY(profileShown(0));
  // Beside the names, within the panel's width.
  const QHeaderView& header = *table.horizontalHeader();
  QVERIFY2(header.sectionViewportPosition(DesignTableModel::Profile) + ProfileThumbnails::kWidth <=
               table.viewport()->width(),
           qPrintable(QString::number(header.sectionViewportPosition(DesignTableModel::Profile))));
  const int onScreen = table.rowAt(table.viewport()->height() - 1) + 1;
  QVERIFY(onScreen > 0 && onScreen < kDesigns / 4);
  // The rows on screen, and the few the view measures for its columns' widths.
  QVERIFY2(panel.Model().Profiles().Started() <= onScreen + 24, qPrintable(QString::number(onScreen)));
  table.scrollToBottom();
  QTRY_VERIFY(profileShown(kDesigns - 1));
  QVERIFY(panel.Model().Profiles().Started() <= 2 * (onScreen + 24));

  panel.GridView().trigger();
  QVERIFY(panel.Grid().isVisible());
  QVERIFY(!table.isVisible());
  QCOMPARE(panel.Grid().model()->rowCount(), kDesigns);
  QVERIFY(panel.Grid().visualRect(panel.Grid().model()->index(0, DesignTableModel::FileName)).height() >=
          ProfileThumbnails::kWidth * 3 / 4);
}

QTEST_MAIN(DesignsPanelTest)
#include "DesignsPanelTest.moc"
