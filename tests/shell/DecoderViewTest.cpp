#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>
#include <QToolTip>

#include "shell/dialogs/DialogUnits.h"
#include "shell/window/ProfileStrip.h"
#include "shell/window/TabStopDelegate.h"
#include "tests/shell/ShellFixture.h"
#include "vocabulary/SegmentCodes.h"

namespace {
constexpr std::uint8_t kLevel = 0, kUp = 4, kLevelToUp = 6, kUpToLevel = 9, kDown = 10, kLeftCurve = 16,
                        kRightCurve = 17;
constexpr std::uint8_t kChain = SegmentFlag::ChainLift;

// A closed circuit that climbs on a chain lift and turns left at the top.
DesignDescription ClimbingCircuit() {
  return Design({{kLevel}, {kLevel}, {kLevelToUp, kChain}, {kUp, kChain}, {kUp, kChain}, {kUpToLevel, kChain},
                 {kLeftCurve}});
}

// Where a widget of the form is, in the form's own coordinates.
QRect InView(const QWidget& widget, const QWidget& view) { return {widget.mapTo(&view, QPoint()), widget.size()}; }

// A window width and a font size the form is shown at, and whether a text is then too wide for it.
struct WidthCase {
  const char* name;
  int windowWidth;
  double fontScale;  // times the desktop font
  bool tooWide;
};

// Shows the window at the case's width with the form in the case's font.
void ShowAt(ShellFixture& shell, const WidthCase& c, const QFont& desktopFont) {
  QFont font = desktopFont;
  font.setPointSizeF(font.pointSizeF() * c.fontScale);
  shell.View().setFont(font);
  shell.frame.resize(c.windowWidth, 650);
  QTRY_COMPARE(shell.frame.width(), c.windowWidth);
  QCoreApplication::processEvents();
}

const QStringList kClimbingCircuitLines = {
    "1-2\t2\tLevel (1)",
    "3\t\tLevel to up [chain lift] (1-2)",
    "4-5\t2\tUp [chain lift] (2-4)",
    "6\t\tUp to level [chain lift] (4)",
    "7\t\tLeft-hand curve (4)",
};
}  // namespace

class DecoderViewTest : public QObject {
  Q_OBJECT
private slots:
  void showsTheTemplateUntilADesignIsOpened();
  void enablesCommandsByWhatTheDocumentHolds();
  void failedOrRefusedOpenShowsTheEmptyForm();
  void openingARefusedFileAgainAsksAgain();
  void stretchesListAndNameFieldsWithTheWindow();
  void followsAFontChange();
  void endsCutNamesWithAnEllipsis();
  void mirrorAndReverseRelistKeepingTheSelectedLine();
  void reverseAsksAboutOpenCircuitsAndRefusesChainLifts();
  void copiesTheSelectedLineExactly();
  void linesUpColumnsAtTheTabStops();
  void scrollsSidewaysToTheEndOfTheWidestLine();
  void listsAHundredThousandLines();
};

void DecoderViewTest::showsTheTemplateUntilADesignIsOpened() {
  ShellFixture shell;
  QCOMPARE(shell.Texts(), QStringList({"<No file loaded>", "", "", "Track Segments:", "<unknown>"}));
  QVERIFY(shell.Lines().isEmpty());
  QCOMPARE(ShownCaption(shell.frame), "Untitled - Tivora Track Decoder");

  shell.OpenDesign(ClimbingCircuit(), "climb.td4");

  const FileDialogRequest& open = shell.fileDialogs.Requests().at(0).request;
  QCOMPARE(open.nameFilters, QStringList({"TivoraTrack Definition Files (*.td4)", "All Files (*.*)"}));
  QCOMPARE(shell.Texts(), QStringList({"Steel Twister Roller Coaster", "Twister cars (1 6-car train)",
                                       "Continuous Circuit Mode", "Track segments (7 total):", "Original Tivora"}));
  QCOMPARE(shell.Lines(), kClimbingCircuitLines);
  QCOMPARE(shell.List().GetCurSel(), 0);
  QCOMPARE(ShownCaption(shell.frame), "climb.td4 - Tivora Track Decoder");
  QVERIFY(shell.messages.Shown().empty());
}

void DecoderViewTest::enablesCommandsByWhatTheDocumentHolds() {
  struct Case {
    const char* name;
    std::vector<DesignDescription> opened;  // in this order
    bool saveAs;
    bool trackCommands;
  };
  const Case cases[] = {
      {"no file", {}, false, false},
      {"a design", {ClimbingCircuit()}, true, true},
      // The buffer is there, so it can be saved, but there is nothing to list or change.
      {"a design without segments", {Design({})}, true, false},
      // Nothing of the design before is left to save, export or change.
      {"a refused design after a design", {ClimbingCircuit(), Design({{kLevel}}, RideType::HedgeMaze)}, false, false},
  };
  for (const Case& c : cases) {
    ShellFixture shell;
    for (std::size_t i = 0; i < c.opened.size(); ++i)
      shell.OpenDesign(c.opened[i], "design" + std::to_string(i) + ".td4");
    const FrameCommands& commands = shell.frame.Commands();
    QVERIFY2(commands.fileSaveAs->isEnabled() == c.saveAs, c.name);
    QVERIFY2(commands.fileExport->isEnabled() == c.trackCommands, c.name);
    QVERIFY2(commands.editMirrorTrack->isEnabled() == c.trackCommands, c.name);
    QVERIFY2(commands.editReverseTrack->isEnabled() == c.trackCommands, c.name);
    QVERIFY2(commands.editSetElevation->isEnabled(), c.name);
    QVERIFY2(commands.fileOpen->isEnabled(), c.name);
    QVERIFY2(!commands.fileNew->isEnabled(), c.name);
  }
}

void DecoderViewTest::failedOrRefusedOpenShowsTheEmptyForm() {
  std::vector<std::uint8_t> withoutEndCode = BuildDesign(ClimbingCircuit());
  withoutEndCode.resize(60);  // the track list stops after two entries
  std::vector<std::uint8_t> wrongChecksum = BuildDesignFile(ClimbingCircuit());
  wrongChecksum.back() ^= 0x5A;
  const std::string unexpected = "Unexpected file format.";
  const struct {
    const char* name;
    std::vector<std::uint8_t> file;
    std::string message;  // the start of the one message shown; empty: none
  } cases[] = {
      // A literal run claims six bytes, but the file ends after four of them.
      {"cut short", {0x05, 1, 2, 3, 4, 5}, unexpected},
      {"three random bytes", {0x3A, 0x91, 0x07}, unexpected},
      {"hedge maze", BuildDesignFile(Design({{kLevel}, {kLeftCurve}}, RideType::HedgeMaze)),
       "Hedge mazes are not supported"},
      {"no end code", PackDesignFile(withoutEndCode), "Error processing track data."},
      {"wrong checksum, answered No", wrongChecksum, "Checksum calculation failed."},
      {"empty file", {}, ""},
  };
  for (const auto& c : cases) {
    ShellFixture shell;
    shell.OpenDesign(ClimbingCircuit());

    shell.Open(shell.folder.Write("refused.td4", c.file));

    const std::vector<std::string> shown = shell.messages.Texts();
    QVERIFY2(shown.size() == (c.message.empty() ? 0u : 1u), c.name);
    QVERIFY2(c.message.empty() || shown[0].starts_with(c.message), c.name);
    QVERIFY2(shell.Texts() == QStringList({"<No file loaded>", "", "", "Track Segments:", "<unknown>"}), c.name);
    QVERIFY2(shell.Lines().isEmpty(), c.name);
    QVERIFY2(shell.frame.GetProfileStrip().GetProfile().segments.empty(), c.name);
    QVERIFY2(ShownCaption(shell.frame) == "Untitled - Tivora Track Decoder", c.name);
    const FrameCommands& commands = shell.frame.Commands();
    for (QAction* command : {commands.fileSave, commands.fileSaveAs, commands.fileExport, commands.editMirrorTrack,
                             commands.editReverseTrack})
      QVERIFY2(!command->isEnabled(), c.name);
  }
}

void DecoderViewTest::openingARefusedFileAgainAsksAgain() {
  ShellFixture shell;
  std::vector<std::uint8_t> file = BuildDesignFile(ClimbingCircuit());
  file.back() ^= 0x5A;
  const std::string path = shell.folder.Write("damaged.td4", file);
  shell.messages.Answer(IDNO);
  shell.Open(path);
  QVERIFY(shell.Lines().isEmpty());

  shell.messages.Answer(IDYES);
  shell.Open(path);

  QCOMPARE(shell.messages.Shown().size(), std::size_t(2));
  QCOMPARE(shell.Lines(), kClimbingCircuitLines);
  QCOMPARE(ShownCaption(shell.frame), "damaged.td4 - Tivora Track Decoder");
}

void DecoderViewTest::stretchesListAndNameFieldsWithTheWindow() {
  ShellFixture shell;
  shell.OpenDesign(ClimbingCircuit());
  CDecoderView& view = shell.View();
  shell.frame.show();
  QVERIFY(QTest::qWaitForWindowExposed(&shell.frame));
  const QRect fileFormat = InView(*view.m_wndFileFormat, view);
  const QRect segmentCount = view.m_wndSegmentCount->geometry();

  for (const QSize size : {QSize(700, 650), QSize(320, 400), QSize(1000, 500)}) {
    shell.frame.resize(size);
    QTRY_COMPARE(shell.frame.size(), size);
    const int cx = view.width();
    const int cy = view.height();

    const QRect list = view.m_wndSegmentList->geometry();
    QCOMPARE(cx - (list.right() + 1), list.left());
    QCOMPARE(cy - (list.bottom() + 1), 2);
    for (QLabel* field : {view.m_wndRideType, view.m_wndVehicleType, view.m_wndOperatingMode})
      QCOMPARE(cx - (InView(*field, view).right() + 1), 4);
    QCOMPARE(InView(*view.m_wndFileFormat, view), fileFormat);
    QCOMPARE(view.m_wndSegmentCount->geometry(), segmentCount);
  }
  QCOMPARE(shell.frame.minimumSize(), QSize(320, 400));
}

void DecoderViewTest::followsAFontChange() {
  ShellFixture shell;
  shell.OpenDesign(ClimbingCircuit());
  shell.frame.resize(700, 650);
  shell.frame.show();
  QVERIFY(QTest::qWaitForWindowExposed(&shell.frame));
  CDecoderView& view = shell.View();
  QList<QLabel*> captions;
  for (QLabel* label : view.findChildren<QLabel*>())
    if (label != view.m_wndSegmentCount && label->text().endsWith(':')) captions << label;
  QCOMPARE(captions.size(), 4);
  const int listTop = view.m_wndSegmentList->y();

  QFont large = view.font();
  large.setPointSizeF(large.pointSizeF() * 2);
  view.setFont(large);

  QTRY_VERIFY(view.m_wndSegmentList->y() > listTop * 3 / 2);
  const QList<QLabel*> fields = {view.m_wndRideType, view.m_wndVehicleType, view.m_wndOperatingMode,
                                 view.m_wndFileFormat};
  for (int row = 0; row < 4; ++row) {
    const QRect caption = InView(*captions[row], view);
    const QRect field = InView(*fields[row], view);
    QVERIFY(caption.width() >= captions[row]->sizeHint().width());
    QVERIFY(caption.height() >= captions[row]->sizeHint().height());
    QVERIFY(field.left() > caption.right());
    QCOMPARE(field.top(), caption.top());
    // The fields start 66 dialog units in, in units of the new font.
    QVERIFY(std::abs(field.left() - DialogUnits(view.fontMetrics()).X(66)) <= 1);
  }
  QVERIFY(view.m_wndSegmentCount->y() > InView(*view.m_wndFileFormat, view).bottom());
  QVERIFY(view.m_wndSegmentList->y() > view.m_wndSegmentCount->geometry().bottom());
  const QRect list = view.m_wndSegmentList->geometry();
  QCOMPARE(view.height() - (list.bottom() + 1), 2);
  QCOMPARE(view.width() - (list.right() + 1), list.left());
  QCOMPARE(view.width() - (InView(*view.m_wndRideType, view).right() + 1), 4);
}

void DecoderViewTest::endsCutNamesWithAnEllipsis() {
  ShellFixture shell;
  constexpr std::uint8_t kSuspendedSingleRail = 7;
  shell.OpenDesign(Design({{kLevel}}, kSuspendedSingleRail));
  shell.frame.show();
  QVERIFY(QTest::qWaitForWindowExposed(&shell.frame));
  CDecoderView& view = shell.View();
  ElidedLabel& name = *view.m_wndRideType;
  const QString full = "Suspended Single-Rail Roller Coaster";
  const QFont desktopFont = view.font();
  const WidthCase cases[] = {
      {"room for the name", 500, 1, false},
      {"narrowest window", 320, 1, true},
      {"twice the font at the same width", 500, 2, true},
      {"back to the desktop font", 500, 1, false},
  };
  for (const WidthCase& c : cases) {
    ShowAt(shell, c, desktopFont);
    const bool cut = c.tooWide;
    const QString shown = name.ShownText();
    QVERIFY2(shown.endsWith(u'…') == cut, qPrintable(QStringLiteral("%1: %2").arg(c.name, shown)));
    QVERIFY2(full.startsWith(cut ? shown.chopped(1) : shown), qPrintable(shown));
    QVERIFY2(name.fontMetrics().horizontalAdvance(shown) <= name.contentsRect().width(), c.name);
    // What is painted is the shown text, as a plain label would paint it.
    QLabel plain(shown);
    plain.setFont(name.font());
    plain.resize(name.size());
    const auto pixels = [](QWidget& label) { return label.grab().toImage().convertToFormat(QImage::Format_RGB32); };
    QVERIFY2(pixels(name) == pixels(plain), c.name);
    // The whole name stays what the label holds, what a reader reads, and the tooltip while it is cut.
    QCOMPARE(name.text(), full);
    QCOMPARE(QAccessible::queryAccessibleInterface(&name)->text(QAccessible::Name), full);
    QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1), name.mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&name, &hover);
    QVERIFY2(hover.isAccepted() == cut, c.name);
    if (cut) QCOMPARE(QToolTip::text(), full);
  }
}

void DecoderViewTest::mirrorAndReverseRelistKeepingTheSelectedLine() {
  const struct {
    const char* name;
    QAction* FrameCommands::*command;
    QStringList lines;
  } cases[] = {
      {"mirror",
       &FrameCommands::editMirrorTrack,
       {"1\t\tLevel (1)", "2\t\tRight-hand curve (1)", "3\t\tLeft-hand curve (1)"}},
      {"reverse",
       &FrameCommands::editReverseTrack,
       {"1\t\tLeft-hand curve (1)", "2\t\tRight-hand curve (1)", "3\t\tLevel (1)"}},
  };
  for (const auto& c : cases) {
    ShellFixture shell;
    shell.OpenDesign(Design({{kLevel}, {kLeftCurve}, {kRightCurve}}));
    shell.List().SetCurSel(1);

    (shell.frame.Commands().*c.command)->trigger();

    QVERIFY2(shell.Lines() == c.lines, c.name);
    QVERIFY2(shell.List().GetCurSel() == 1, c.name);
    QVERIFY2(shell.messages.Shown().empty(), c.name);
  }
}

void DecoderViewTest::reverseAsksAboutOpenCircuitsAndRefusesChainLifts() {
  const std::string question =
      "This appears to be an open circuit or \"shuttle mode\" track.\n"
      "Reversing this track may produce a track that cannot be built.\n"
      "Are you sure you want to continue?";
  const std::string refusal = "Only self-powered rides (no lift chains) can be reversed.";
  const std::vector<SegmentEntry> circuit = {{kLevel}, {kLeftCurve}, {kDown}};
  // Starting at a station with no End station behind it: a shuttle track.
  const std::vector<SegmentEntry> shuttle = {{SegmentCode::BeginStation}, {kLevel}, {kLeftCurve}};
  const std::vector<SegmentEntry> chainLift = {{kLevel}, {kUp, kChain}, {kUpToLevel}};
  const std::vector<SegmentEntry> chainShuttle = {{SegmentCode::BeginStation}, {kUp, kChain}, {kUpToLevel}};
  struct Case {
    const char* name;
    std::vector<SegmentEntry> segments;
    std::initializer_list<int> answers;
    std::vector<std::string> messages;
    QStringList lines;  // listed afterwards
    bool modified;
  };
  const Case cases[] = {
      // Each piece runs the other way, last first.
      {"circuit", circuit, {}, {}, {"1\t\tUp (1-2)", "2\t\tRight-hand curve (2)", "3\t\tLevel (2)"}, true},
      // The Begin station, now an End station, is brought back to the front.
      {"shuttle, Yes",
       shuttle,
       {IDYES},
       {question},
       {"1\t\tEnd station (1)", "2\t\tRight-hand curve (1)", "3\t\tLevel (1)"},
       true},
      {"shuttle, No",
       shuttle,
       {IDNO},
       {question},
       {"1\t\tBegin station (1)", "2\t\tLevel (1)", "3\t\tLeft-hand curve (1)"},
       false},
      {"chain lift",
       chainLift,
       {},
       {refusal},
       {"1\t\tLevel (1)", "2\t\tUp [chain lift] (1-2)", "3\t\tUp to level (2)"},
       false},
      {"shuttle with chain lift, Yes",
       chainShuttle,
       {IDYES},
       {question, refusal},
       {"1\t\tBegin station (1)", "2\t\tUp [chain lift] (1-2)", "3\t\tUp to level (2)"},
       false},
  };
  for (const Case& c : cases) {
    ShellFixture shell;
    shell.OpenDesign(Design(c.segments));
    for (int answer : c.answers) shell.messages.Answer(answer);

    shell.frame.Commands().editReverseTrack->trigger();

    QVERIFY2(shell.messages.Texts() == c.messages, c.name);
    QVERIFY2(shell.Lines() == c.lines, c.name);
    QVERIFY2(shell.frame.GetDocument().IsModified() == c.modified, c.name);
  }
}

void DecoderViewTest::copiesTheSelectedLineExactly() {
  ShellFixture shell;
  shell.OpenDesign(ClimbingCircuit());
  shell.List().SetCurSel(2);

  QTest::keyClick(&shell.List(), Qt::Key_C, Qt::ControlModifier);

  QCOMPARE(QGuiApplication::clipboard()->text(), kClimbingCircuitLines[2]);
}

void DecoderViewTest::linesUpColumnsAtTheTabStops() {
  ShellFixture shell;
  const QFontMetrics metrics = shell.List().fontMetrics();
  const DialogUnits units(metrics);
  const int count = units.X(36), text = units.X(50), wide = units.X(64);
  struct Case {
    const char* line;
    std::vector<int> fieldStarts;
  };
  const Case cases[] = {
      {"7\t\tLevel (1)", {0, count, text}},
      {"4-5\t2\tUp (2-4)", {0, count, text}},
      // A range too wide for the first column pushes the rest to the next stops.
      {"10000-10005\t6\tUp (2-4)", {0, text, wide}},
  };
  for (const Case& c : cases) {
    std::vector<int> starts;
    for (const TabStopDelegate::Field& field : shell.List().Columns().LayOut(c.line, metrics))
      starts.push_back(field.x);
    QVERIFY2(starts == c.fieldStarts, c.line);
  }
}

void DecoderViewTest::scrollsSidewaysToTheEndOfTheWidestLine() {
  ShellFixture shell;
  constexpr std::uint8_t kBankedRightSmall = 45;
  shell.OpenDesign(Design({{kLevel}, {kBankedRightSmall}, {kLevel}}));
  shell.View().ShowStartElevation(62);
  shell.frame.show();
  QVERIFY(QTest::qWaitForWindowExposed(&shell.frame));
  SegmentListBox& list = shell.List();
  const QString widest = "2\t\tBanked right-hand curve (small radius) (TOO HIGH!)";
  QCOMPARE(list.GetText(1), widest);
  const QFont desktopFont = shell.View().font();
  const WidthCase cases[] = {
      {"room for every line", 1000, 1, false},
      {"narrowest window", 320, 1, true},
      {"twice the font", 600, 2, true},
  };
  for (const WidthCase& c : cases) {
    ShowAt(shell, c, desktopFont);
    const bool scrolls = c.tooWide;
    QScrollBar& bar = *list.horizontalScrollBar();
    QVERIFY2((bar.maximum() > 0) == scrolls, qPrintable(QStringLiteral("%1: %2").arg(c.name).arg(bar.maximum())));
    bar.setValue(bar.maximum());
    // Each line is as wide as the widest is painted, and scrolled to the end the widest shows whole.
    const QFontMetrics metrics = list.fontMetrics();
    const TabStopDelegate::Field last = list.Columns().LayOut(widest, metrics).back();
    const int reach = last.x + metrics.horizontalAdvance(last.text);
    const QRect line = list.visualRect(list.model()->index(0, 0));
    QVERIFY2(line.width() >= reach, c.name);
    const int blank = list.viewport()->width() - (line.left() + reach);
    QVERIFY2(blank > 0, c.name);
    // It scrolls no further than that, give or take the line's margins.
    if (scrolls)
      QVERIFY2(blank <= metrics.averageCharWidth(), qPrintable(QStringLiteral("%1: %2").arg(c.name).arg(blank)));
  }
}

void DecoderViewTest::listsAHundredThousandLines() {
  ShellFixture shell;
  std::vector<SegmentEntry> segments;
  for (int i = 0; i < 100000; ++i) segments.push_back({i % 2 ? kLeftCurve : kLevel});
  shell.OpenDesign(Design(segments));

  QCOMPARE(shell.List().GetCount(), 100000);
  QCOMPARE(shell.List().GetText(99999), "100000\t\tLeft-hand curve (1)");
}

QTEST_MAIN(DecoderViewTest)
#include "DecoderViewTest.moc"
