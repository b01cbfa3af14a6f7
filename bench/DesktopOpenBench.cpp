// Times the desktop program opening a design until its form has been painted
// with the listing, from a fresh main window each repetition; headless when run
// with QT_QPA_PLATFORM=offscreen. Prints the fastest and the median in seconds.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "shell/window/DecoderView.h"
#include "shell/platform/FileDialogs.h"
#include "shell/window/MainFrame.h"
#include "shell/window/SegmentListBox.h"

namespace {

constexpr int kRepetitions = 7;

// Notes when a widget has been sent its first paint.
class PaintWatch : public QObject {
public:
  bool painted = false;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return QObject::eventFilter(watched, event);
  }
};

// From creating the main window to its segment list painted with the design.
double SecondsToOpenAndPaint(const std::string& path) {
  QElapsedTimer timer;
  timer.start();
  QtFileDialogs fileDialogs;
  CMainFrame frame(fileDialogs);
  PaintWatch watch;
  frame.GetView().m_wndSegmentList->viewport()->installEventFilter(&watch);
  if (!frame.GetDocTemplate().OpenDocumentFile(path)) return -1;
  frame.show();
  // The paint is delivered, and finished, inside the event processing.
  while (!watch.painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return double(timer.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
    return EXIT_FAILURE;
  }
  std::vector<double> seconds;
  for (int i = 0; i < kRepetitions; ++i) {
    const double elapsed = SecondsToOpenAndPaint(argv[1]);
    if (elapsed < 0) {
      std::fprintf(stderr, "%s did not open\n", argv[1]);
      return EXIT_FAILURE;
    }
    seconds.push_back(elapsed);
  }
  std::sort(seconds.begin(), seconds.end());
  std::printf("%.4f %.4f\n", seconds.front(), seconds[seconds.size() / 2]);
  return EXIT_SUCCESS;
}
