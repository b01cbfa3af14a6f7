#include <QAccessible>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>
#include <array>
#include <set>

#include "render/SceneColours.h"
#include "shell/dialogs/ElevationDlg.h"
#include "shell/window/ProfileStrip.h"
#include "tests/shell/AppFixture.h"

namespace {
constexpr std::uint8_t kLevel = 0, kUp = 4, kUpSteep = 5, kDown = 10, kUpToLevel = 9, kLevelToUp = 6, kLeftCurve = 16;
constexpr std::uint8_t kBeginStation = 2, kMiddleStation = 3, kEndStation = 1;
constexpr std::uint8_t kTerminal = 0x08, kChainLift = 0x80;

// Ten segments in seven lines: stations, a chain lift from 1 to 5, a curve.
DesignDescription ChainLift() {
  return Design({{kBeginStation, kTerminal},
                 {kMiddleStation},
                 {kMiddleStation},
                 {kLevelToUp, kChainLift},
                 {kUp, kChainLift},
                 {kUp, kChainLift},
                 {kUp, kChainLift},
                 {kUpToLevel, kChainLift},
                 {kLeftCurve},
                 {kEndStation, kTerminal}});
}

// From 2 it drops below the ground and climbs back out.
DesignDescription Dip() {
  return Design({{kBeginStation, kTerminal}, {kDown}, {kDown}, {kDown}, {kLevel}, {kUpSteep}, {kUpSteep}, {kLevel}});
}

CProfileStrip& Strip(ShellFixture& shell) { return shell.frame.GetProfileStrip(); }

void ShowFrame(ShellFixture& shell) {
  shell.frame.show();
  QVERIFY(QTest::qWaitForWindowExposed(&shell.frame));
}

// The picture x in the middle of segment (0-based) and a y in the middle of the plot.
QPoint PointOver(const CProfileStrip& strip, int segment) {
  const ProfileLayout layout = strip.Layout();
  return QPoint(int((layout.X(segment) + layout.X(segment + 1)) / 2), int(layout.top + layout.height / 2));
}

void SetStartElevation(ShellFixture& shell, int elevation) {
  WhenModal<CElevationDlg>([elevation](CElevationDlg& dialog) {
    auto* edit = dialog.findChild<QLineEdit*>();
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, QString::number(elevation));
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  shell.frame.Commands().editSetElevation->trigger();
}

// Segment numbers (1-based) of every line the list marks too high or too low, as the user reads them.
std::set<int> MarkedInTheList(ShellFixture& shell) {
  std::set<int> marked;
  for (const QString& line : shell.Lines()) {
    if (!line.contains(QStringLiteral("(TOO HIGH!)")) && !line.contains(QStringLiteral("(TOO LOW!)"))) continue;
    const QStringList numbers = line.section(QLatin1Char('\t'), 0, 0).split(QLatin1Char('-'));
    for (int n = numbers.first().toInt(); n <= numbers.last().toInt(); ++n) marked.insert(n);
  }
  return marked;
}

// Segment numbers (1-based) drawn in the warning colour somewhere in the plot above or below their middle.
std::set<int> DrawnInWarningColour(CProfileStrip& strip) {
  const QImage image = strip.grab().toImage();
  const ProfileLayout layout = strip.Layout();
  const QColor warning = ColoursOf(strip.palette())[scene::Ink::OutOfRange];
  std::set<int> drawn;
  for (int segment = 0; segment < layout.segmentCount; ++segment) {
    const int x = PointOver(strip, segment).x();
    for (int y = int(layout.top); y < int(layout.top + layout.height); ++y) {
      const QColor pixel = image.pixelColor(x, y);
      if (std::abs(pixel.red() - warning.red()) + std::abs(pixel.green() - warning.green()) +
              std::abs(pixel.blue() - warning.blue()) <
          40) {
        drawn.insert(segment + 1);
        break;
      }
    }
  }
  return drawn;
}

// The box around the pixels of area drawn in a colour near ink.
QRect InkBounds(const QImage& image, const QRect& area, const QColor& ink) {
  QRect bounds;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (std::abs(pixel.red() - ink.red()) + std::abs(pixel.green() - ink.green()) +
              std::abs(pixel.blue() - ink.blue()) <
          40)
        bounds |= QRect(x, y, 1, 1);
    }
  return bounds;
}
}  // namespace

class ProfileStripTest : public QObject {
  Q_OBJECT
private slots:
  void clickingSelectsTheLineUnderThePointer();
  void selectingALineHighlightsItsStretch();
  void outOfRangeSegmentsAreThoseTheListMarks();
  void hoveringTellsTheSegmentAndItsLine();
  void keysMoveAMarkerThatIsRead();
  void tellsAScreenReaderWhatItShows();
  void followsEveryListing();
  void hidingIsRemembered();
  void followsThePalette();
  void labelsFollowTheFont();
};

void ProfileStripTest::clickingSelectsTheLineUnderThePointer() {
  ShellFixture shell;
  shell.OpenDesign(ChainLift());
  ShowFrame(shell);
  const struct {
    int segment;
    int line;
  } cases[] = {{0, 0}, {2, 1}, {1, 1}, {3, 2}, {4, 3}, {6, 3}, {7, 4}, {9, 6}};
  for (const auto& c : cases) {
    QTest::mouseClick(&Strip(shell), Qt::LeftButton, {}, PointOver(Strip(shell), c.segment));
    QCOMPARE(shell.List().GetCurSel(), c.line);
    QCOMPARE(Strip(shell).GetSelectedLine(), c.line);
  }
  // The margins beside the plot hold no segment: the selection stays.
  QTest::mouseClick(&Strip(shell), Qt::LeftButton, {}, QPoint(2, PointOver(Strip(shell), 0).y()));
  QCOMPARE(shell.List().GetCurSel(), 6);
}

void ProfileStripTest::selectingALineHighlightsItsStretch() {
  ShellFixture shell;
  shell.OpenDesign(ChainLift());
  ShowFrame(shell);
  QCOMPARE(Strip(shell).GetSelectedLine(), 0);  // opening selects the first line

  shell.List().SetCurSel(3);  // segments 5 to 7
  QCOMPARE(Strip(shell).GetSelectedLine(), 3);
  const QImage image = Strip(shell).grab().toImage();
  const ProfileLayout layout = Strip(shell).Layout();
  const int bandY = int(layout.Y(45));  // inside the band, between grid lines
  const QColor band = ColoursOf(Strip(shell).palette())[scene::Ink::Band];
  QCOMPARE(image.pixelColor(PointOver(Strip(shell), 1).x(), bandY), band);
  QVERIFY(image.pixelColor(PointOver(Strip(shell), 5).x(), bandY) != band);

  shell.List().clearSelection();
  QCOMPARE(Strip(shell).GetSelectedLine(), -1);
}

void ProfileStripTest::outOfRangeSegmentsAreThoseTheListMarks() {
  const struct {
    const char* name;
    DesignDescription design;
    int startElevation;
    std::set<int> marked;
  } cases[] = {
      {"in range", ChainLift(), 1, {}},
      {"climbs past 61", ChainLift(), 58, {5, 6, 7, 8, 9, 10}},
      {"dips below 1", Dip(), 2, {2, 3, 4, 5, 6, 7}},
  };
  for (const auto& c : cases) {
    ShellFixture shell;
    shell.OpenDesign(c.design);
    ShowFrame(shell);
    SetStartElevation(shell, c.startElevation);
    shell.List().clearSelection();  // the highlight would tint the colours
    QCOMPARE(MarkedInTheList(shell), c.marked);
    QCOMPARE(DrawnInWarningColour(Strip(shell)), c.marked);
  }
}

void ProfileStripTest::hoveringTellsTheSegmentAndItsLine() {
  ShellFixture shell;
  shell.OpenDesign(ChainLift());
  ShowFrame(shell);
  SetStartElevation(shell, 58);
  const struct {
    int segment;
    QString tip;
  } cases[] = {
      {0, "Segment 1, elevation 58\nLine 1: Begin station [terminal] (58)"},
      {5, "Segment 6, elevation 60-61\nLine 5-7: Up [chain lift] (TOO HIGH!)"},
      {3, "Segment 4, elevation 58-59\nLine 4: Level to up [chain lift] (58-59)"},
  };
  for (const auto& c : cases) {
    const QPoint at = PointOver(Strip(shell), c.segment);
    QHelpEvent hover(QEvent::ToolTip, at, Strip(shell).mapToGlobal(at));
    QApplication::sendEvent(&Strip(shell), &hover);
    QCOMPARE(QToolTip::text(), c.tip);
  }

  // Away from the segments it tells where the design fits, whatever the start:
  // the chain lift climbs 4 from the stations, so the top of 61 allows starts up to 57.
  const QPoint away(1, 1);
  QHelpEvent hover(QEvent::ToolTip, away, Strip(shell).mapToGlobal(away));
  QApplication::sendEvent(&Strip(shell), &hover);
  QCOMPARE(QToolTip::text(), "This design fits with starting elevations 1..57.");
}

void ProfileStripTest::keysMoveAMarkerThatIsRead() {
  ShellFixture shell;
  shell.OpenDesign(ChainLift());
  QVERIFY(shell.Activate());
  CProfileStrip& strip = Strip(shell);
  strip.setFocus();
  QAccessibleInterface* profile = QAccessible::queryAccessibleInterface(&strip);
  QAccessibleInterface* marker = profile->child(0);
  QVERIFY(marker);
  const struct {
    Qt::Key key;
    int segment;  // 0-based
    int line;     // of the list, as clicking that segment selects it
  } steps[] = {{Qt::Key_Right, 0, 0}, {Qt::Key_Right, 1, 1}, {Qt::Key_Right, 2, 1},
               {Qt::Key_Right, 3, 2}, {Qt::Key_Left, 2, 1},  {Qt::Key_End, 9, 6},
               {Qt::Key_Right, 9, 6}, {Qt::Key_Home, 0, 0},  {Qt::Key_Left, 0, 0}};
  for (const auto& step : steps) {
    QTest::keyClick(&strip, step.key);
    QCOMPARE(strip.GetMarker(), step.segment);
    QCOMPARE(shell.List().GetCurSel(), step.line);
    // Read out as the tooltip over that segment tells it.
    const QPoint at = PointOver(strip, step.segment);
    QHelpEvent hover(QEvent::ToolTip, at, strip.mapToGlobal(at));
    QApplication::sendEvent(&strip, &hover);
    QCOMPARE(marker->text(QAccessible::Name), QToolTip::text());
    QVERIFY(marker->text(QAccessible::Name).startsWith(QStringLiteral("Segment %1,").arg(step.segment + 1)));
  }
  // Selecting the line leaves the focus, and the reader's focus, on the marker.
  QCOMPARE(QApplication::focusWidget(), &strip);
  QCOMPARE(profile->focusChild(), marker);
}

void ProfileStripTest::tellsAScreenReaderWhatItShows() {
  const struct {
    DesignDescription design;
    int startElevation;
    QString description;
  } cases[] = {
      // The chain lift climbs 4 from the stations: 1..5 from 1, and 58..62 from 58,
      // where the last four lines are above 61.
      {ChainLift(), 1, "10 segments from 1 to 5; fits with starting elevations 1..57"},
      {ChainLift(), 58, "10 segments from 58 to 62; 4 lines too high; fits with starting elevations 1..57"},
      // From 2 down three to -1, level, then up eight: the three lines below 1 need a start of 4.
      {Dip(), 2, "8 segments from -1 to 7; 3 lines too low; fits with starting elevations 4..56"},
  };
  for (const auto& c : cases) {
    ShellFixture shell;
    QAccessibleInterface* profile = QAccessible::queryAccessibleInterface(&Strip(shell));
    QCOMPARE(profile->text(QAccessible::Description), QString());  // no design yet
    shell.OpenDesign(c.design);
    SetStartElevation(shell, c.startElevation);
    QCOMPARE(profile->role(), QAccessible::Chart);
    QCOMPARE(profile->text(QAccessible::Name), "Elevation profile");
    QCOMPARE(profile->text(QAccessible::Description), c.description);
  }
}

void ProfileStripTest::followsEveryListing() {
  ShellFixture shell;
  const auto matchesTheList = [&shell] {
    const ElevationProfile& profile = Strip(shell).GetProfile();
    QCOMPARE(int(profile.lines.size()), shell.List().GetCount());
    const CDecoderDoc& doc = shell.frame.GetDocument();
    QCOMPARE(int(profile.segments.size()), doc.m_nSegments);
    for (int i = 0; i < doc.m_nSegments; ++i)
      QCOMPARE(profile.segments[std::size_t(i)].endElevation, doc.m_pSegments[i].endElevation);
  };
  shell.OpenDesign(Dip());
  matchesTheList();
  SetStartElevation(shell, 30);
  matchesTheList();
  QCOMPARE(Strip(shell).GetProfile().segments.front().startElevation, 30);
  // A closed circuit turns round without a question.
  shell.OpenDesign(Design({{kMiddleStation}, {kEndStation, kTerminal}, {kUp}, {kLevel}, {kDown}, {kLeftCurve},
                           {kBeginStation, kTerminal}}),
                   "circuit.td4");
  matchesTheList();
  shell.frame.Commands().editReverseTrack->trigger();
  matchesTheList();
  shell.frame.Commands().editMirrorTrack->trigger();
  matchesTheList();
}

void ProfileStripTest::hidingIsRemembered() {
  AppFixture program;
  program.TurnWarningOff();
  QVERIFY(program.Start());
  QAction& command = *program.Frame().Commands().viewElevationProfile;
  QVERIFY(command.isEnabled());
  QVERIFY(command.isChecked());
  QVERIFY(program.Frame().GetProfileStrip().isVisible());

  command.trigger();
  QVERIFY(!program.Frame().GetProfileStrip().isVisible());

  QVERIFY(program.Start());
  QVERIFY(!program.Frame().Commands().viewElevationProfile->isChecked());
  QVERIFY(!program.Frame().GetProfileStrip().isVisible());
  program.Frame().Commands().viewElevationProfile->trigger();
  QVERIFY(program.Frame().GetProfileStrip().isVisible());
}

// Switching to a dark scheme and back repaints the strip in the scheme's colours.
void ProfileStripTest::followsThePalette() {
  ShellFixture shell;
  shell.OpenDesign(ChainLift());
  ShowFrame(shell);
  shell.List().clearSelection();
  const QPalette light = Strip(shell).palette();
  QPalette dark = light;
  const std::pair<QPalette::ColorRole, QColor> darkColours[] = {
      {QPalette::Window, QColor(45, 45, 48)}, {QPalette::Base, QColor(30, 30, 30)},
      {QPalette::Text, QColor(220, 220, 220)}, {QPalette::Mid, QColor(90, 90, 90)}};
  for (const auto& [role, colour] : darkColours) dark.setColor(role, colour);
  for (const QPalette& palette : {dark, light}) {
    Strip(shell).setPalette(palette);
    const QImage image = Strip(shell).grab().toImage();
    const ProfileLayout layout = Strip(shell).Layout();
    const SceneColours colours = ColoursOf(palette);
    QCOMPARE(image.pixelColor(1, 1), colours[scene::Ink::Window]);
    // In the plot's padding above the band, and inside the band between grid lines.
    const int x = PointOver(Strip(shell), 8).x();
    QCOMPARE(image.pixelColor(x, int(layout.top) + 4), colours[scene::Ink::Base]);
    QCOMPARE(image.pixelColor(x, int(layout.Y(45))), colours[scene::Ink::Band]);
  }
}

// With a font twice as large, the legend above the plot, the elevations left
// of it and the segment numbers below it are painted about twice as large, and
// the strip's smallest height, which holds them, grows as much.
void ProfileStripTest::labelsFollowTheFont() {
  ShellFixture shell;
  shell.OpenDesign(ChainLift());
  ShowFrame(shell);
  shell.List().clearSelection();
  CProfileStrip& strip = Strip(shell);
  const QColor text = ColoursOf(strip.palette())[scene::Ink::Text];
  const QFont desktopFont = strip.font();
  // Heights of the legend and of the numbers, the width of the elevations, the smallest height.
  const auto measureLabels = [&](double fontScale) {
    QFont font = desktopFont;
    font.setPointSizeF(font.pointSizeF() * fontScale);
    strip.setFont(font);
    const QImage image = strip.grab().toImage();
    const ProfileLayout layout = strip.Layout();
    const int top = int(layout.top), bottom = int(layout.top + layout.height);
    return std::array{InkBounds(image, QRect(0, 0, strip.width(), top), text).height(),
                      InkBounds(image, QRect(0, bottom + 4, strip.width(), strip.height() - bottom - 4), text).height(),
                      InkBounds(image, QRect(0, top, int(layout.left) - 1, bottom - top), text).width(),
                      strip.minimumSizeHint().height()};
  };
  const auto desktop = measureLabels(1);
  const auto twice = measureLabels(2);
  for (std::size_t i = 0; i < desktop.size(); ++i) {
    const double ratio = double(twice[i]) / desktop[i];
    QVERIFY2(ratio > 1.6 && ratio < 2.4, qPrintable(QStringLiteral("%1 of %2 to %3").arg(i).arg(desktop[i]).arg(twice[i])));
  }
}

QTEST_MAIN(ProfileStripTest)
#include "ProfileStripTest.moc"
