#include <QDockWidget>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>

#include "shell/window/ProfileStrip.h"

#include "tests/shell/ShellFixture.h"

namespace {
constexpr std::uint8_t kLevel = 0, kBankedRightSmall = 45;
}  // namespace

// Runs at a device pixel ratio of 2 (QT_SCALE_FACTOR=2 in the test's environment).
class LargeTextTest : public QObject {
  Q_OBJECT
private slots:
  void initTestCase();
  void windowAtItsMinimumLeavesRoomAndKeepsThreeLines_data();
  void windowAtItsMinimumLeavesRoomAndKeepsThreeLines();
};

void LargeTextTest::initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

// With the Designs panel beside the form, the smallest window leaves a tenth of
// the screen to a desktop panel; the list still shows three lines, and the
// profile is what gave way. With a font twice as large the profile gives up its
// whole height and the form's fields rows, which then scroll.
void LargeTextTest::windowAtItsMinimumLeavesRoomAndKeepsThreeLines_data() {
  QTest::addColumn<double>("fontScale");
  QTest::newRow("desktop font") << 1.0;
  // Set while the program runs: the window follows.
  QTest::newRow("font a quarter larger") << 1.25;
  QTest::newRow("font twice as large") << 2.0;
}

void LargeTextTest::windowAtItsMinimumLeavesRoomAndKeepsThreeLines() {
  QFETCH(double, fontScale);
  ShellFixture shell;
  const QFont desktopFont = QApplication::font();
  QFont font = desktopFont;
  font.setPointSizeF(font.pointSizeF() * fontScale);
  QApplication::setFont(font);
  const auto restoreFont = qScopeGuard([&] { QApplication::setFont(desktopFont); });
  std::vector<SegmentEntry> segments;
  for (int i = 0; i < 40; ++i) segments.push_back({i % 2 ? kBankedRightSmall : kLevel});
  shell.OpenDesign(Design(segments));
  shell.frame.findChild<QDockWidget*>()->show();
  shell.frame.show();
  QVERIFY(QTest::qWaitForWindowExposed(&shell.frame));
  QCoreApplication::processEvents();

  const QRect screen = shell.frame.screen()->geometry();
  QCOMPARE(screen.size(), QSize(640, 400));
  const int screenHeight = screen.height();
  // The window's own minimum holds what its layout needs: no window manager makes it cut its parts off.
  const QSize minimum = shell.frame.minimumSize();
  QCOMPARE(minimum.expandedTo(shell.frame.minimumSizeHint()), minimum);
  QVERIFY2(minimum.height() * 10 <= screenHeight * 9,
           qPrintable(QStringLiteral("minimum %1 of %2").arg(minimum.height()).arg(screenHeight)));
  // The Designs panel beside the form stays on the screen.
  QVERIFY2(minimum.width() <= screen.width(),
           qPrintable(QStringLiteral("minimum width %1 of %2").arg(minimum.width()).arg(screen.width())));
  shell.frame.resize(minimum);
  QTRY_COMPARE(shell.frame.size(), minimum);

  SegmentListBox& list = shell.List();
  // Its lines are wider than the list: the scroll bar below them takes none of the three.
  QVERIFY(list.horizontalScrollBar()->isVisible());
  QVERIFY2(list.viewport()->height() >= 3 * list.sizeHintForRow(0),
           qPrintable(QStringLiteral("%1 pixels for lines of %2").arg(list.viewport()->height()).arg(list.sizeHintForRow(0))));
  // Lines were given up only for room the profile could not give: it is within a line of its smallest.
  CProfileStrip& profile = shell.frame.GetProfileStrip();
  QVERIFY2(profile.height() < profile.minimumSizeHint().height() + list.sizeHintForRow(0),
           qPrintable(QStringLiteral("profile %1 pixels high").arg(profile.height())));
  // Nothing is pushed out at the bottom: the status bar, with the scan's Cancel, shows whole.
  QCOMPARE(shell.frame.statusBar()->geometry().bottom(), shell.frame.rect().bottom());
  // Field rows that gave way are scrolled to, each whole.
  CDecoderView& view = shell.View();
  QScrollArea& fields = view.FieldsArea();
  for (QLabel* value : {view.m_wndRideType, view.m_wndVehicleType, view.m_wndOperatingMode, view.m_wndFileFormat}) {
    fields.ensureWidgetVisible(value, 0, 0);
    const QRect shown(value->mapTo(fields.viewport(), QPoint()), value->size());
    QVERIFY2(fields.viewport()->rect().contains(shown), qPrintable(value->text()));
  }
}

QTEST_MAIN(LargeTextTest)
#include "LargeTextTest.moc"
