#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

#include "shell/window/WindowLayout.h"
#include "tests/shell/AppFixture.h"

namespace {
QRect AvailableArea(const QWidget& window) { return window.screen()->availableGeometry(); }

// The window lies within the screen's free area, with room for a title bar above it.
bool FitsOnScreen(const QWidget& window) {
  const QRect area = AvailableArea(window);
  return area.contains(window.geometry()) && window.geometry().top() > area.top();
}

// A kept geometry of a window of this size and place, as an earlier run on a larger screen left it.
void KeepGeometry(const QRect& geometry) {
  QWidget window;
  window.setGeometry(geometry);
  OpenAppSettings()->setValue(QString::fromUtf8(kWindowGeometryKey), window.saveGeometry());
}
}  // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT
private slots:
  void remembersTheLayoutOfTheLastRun();
  void fitsTheFirstStartAndALayoutThatNoLongerFits();
  void fitsAWindowIntoAnArea();
  void firstWindowTakesTwoThirdsOfTheFreeArea();
};

void WindowLayoutTest::remembersTheLayoutOfTheLastRun() {
  AppFixture program;
  program.TurnWarningOff();
  program.Start();
  CMainFrame& frame = program.Frame();
  const QRect geometry(AvailableArea(frame).topLeft() + QPoint(40, 60), QSize(500, 450));
  frame.setGeometry(geometry);
  QTRY_COMPARE(frame.geometry(), geometry);
  frame.addToolBar(Qt::LeftToolBarArea, &frame.ToolBar());
  frame.Commands().viewStatusBar->setChecked(false);
  QCoreApplication::processEvents();  // the panes take the room the bars left
  frame.Panes().setSizes({300, 60});
  const QList<int> sizes = frame.Panes().sizes();
  frame.close();

  program.Start();

  CMainFrame& again = program.Frame();
  QCOMPARE(again.geometry(), geometry);
  QCOMPARE(again.toolBarArea(&again.ToolBar()), Qt::LeftToolBarArea);
  QVERIFY(again.ToolBar().isVisible());
  QVERIFY(again.Commands().viewToolbar->isChecked());
  QVERIFY(!again.statusBar()->isVisible());
  QVERIFY(!again.Commands().viewStatusBar->isChecked());
  QCOMPARE(again.Panes().sizes(), sizes);

  // Hidden through the View menu, the toolbar stays hidden, and the menu says so.
  again.Commands().viewToolbar->setChecked(false);
  again.close();
  program.Start();
  QVERIFY(!program.Frame().ToolBar().isVisible());
  QVERIFY(!program.Frame().Commands().viewToolbar->isChecked());
}

void WindowLayoutTest::fitsTheFirstStartAndALayoutThatNoLongerFits() {
  AppFixture first;
  first.TurnWarningOff();
  first.Start();
  QVERIFY(FitsOnScreen(first.Frame()));
  // Two thirds of the free area each way (the offscreen screen's 800 x 600
  // gives 533 x 400), in its middle but for the room the frame takes.
  const QRect area = AvailableArea(first.Frame());
  const QRect window = first.Frame().geometry();
  QCOMPARE(window.size(), QSize(area.width() * 2 / 3, area.height() * 2 / 3).expandedTo(first.Frame().minimumSize()));
  QVERIFY((window.center() - area.center()).manhattanLength() < 40);

  for (const QRect& kept : {QRect(-300, -200, 1500, 1300), QRect(2000, 1500, 500, 450)}) {
    AppFixture program;
    program.TurnWarningOff();
    KeepGeometry(kept);
    program.Start();
    QVERIFY(FitsOnScreen(program.Frame()));
  }
}

void WindowLayoutTest::fitsAWindowIntoAnArea() {
  const QSize minimum(320, 400);
  const QRect area(0, 0, 1000, 800);
  const QMargins frame(4, 20, 4, 4);  // so the room inside the frame is 4, 20, 992 x 776
  const struct {
    const char* name;
    QRect window;
    QRect area;
    QRect fitted;
  } cases[] = {
      {"fits", {100, 100, 400, 500}, area, {100, 100, 400, 500}},
      {"sticks out at the right and bottom", {800, 700, 400, 500}, area, {596, 296, 400, 500}},
      {"sticks out at the left and top", {-50, 0, 400, 500}, area, {4, 20, 400, 500}},
      {"larger than the area", {-50, -50, 1200, 900}, area, {4, 20, 992, 776}},
      {"area smaller than the minimum", {100, 100, 600, 600}, {0, 0, 200, 200}, {4, 20, 320, 400}},
  };
  for (const auto& c : cases) QVERIFY2(FitWindowInto(c.window, minimum, c.area, frame) == c.fitted, c.name);
}

void WindowLayoutTest::firstWindowTakesTwoThirdsOfTheFreeArea() {
  const struct {
    const char* name;
    QRect area;
    QRect window;
  } cases[] = {
      {"small screen", {0, 0, 800, 600}, {133, 100, 533, 400}},
      {"laptop screen", {0, 0, 1280, 800}, {213, 133, 853, 533}},
      {"large screen", {0, 0, 2560, 1440}, {426, 240, 1707, 960}},
      {"below a top panel, right of a dock", {64, 32, 1216, 768}, {266, 160, 811, 512}},
  };
  for (const auto& c : cases) QVERIFY2(FirstWindowRect(c.area) == c.window, c.name);
}

QTEST_MAIN(WindowLayoutTest)
#include "WindowLayoutTest.moc"
