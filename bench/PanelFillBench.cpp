// Times the Designs panel filling with a folder of 100,000 small designs,
// headless, and how long the user interface waited for its event loop
// meanwhile: a 1 ms timer runs throughout, and the longest gap between two of
// its ticks is the longest the window could not have answered the user. Then
// shows the Profile column and scrolls through the rows, as a user dragging
// the scroll bar would, waiting as long again. Prints "SECONDS
// LONGEST_WAIT_MS SCROLL_LONGEST_WAIT_MS". An empty or missing folder is
// filled with designs first.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/BenchDesigns.h"
#include "examples/ExampleDesigns.h"
#include "shell/designs/DesignTableModel.h"
#include "shell/designs/DesignsPanel.h"
#include "shell/platform/FileDialogs.h"
#include "shell/window/MainFrame.h"

namespace {

constexpr int kDesigns = 100'000;

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// The example designs' mix, circuits of 20 to 400 segments, and every
// hundredth design cut short, as downloads sometimes are.
void WriteDesigns(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  const std::vector<ExampleDesign>& examples = ExampleDesigns();
  for (int i = 0; i < kDesigns; ++i) {
    std::vector<std::uint8_t> file;
    if (i % 2 == 0) {
      const ExampleDesign& example = examples[std::size_t(i / 2) % examples.size()];
      file = BuildDesignFile(example.description, example.checksumOffset);
    } else {
      file = BuildDesignFile(CircuitDescription(20 + (i * 37) % 381));
    }
    if (i % 100 == 99) file.resize(file.size() / 2);
    char name[32];
    std::snprintf(name, sizeof name, "design%06d.td4", i);
    WriteFile(folder / name, file);
  }
}

bool IsEmptyOrMissing(const std::filesystem::path& folder) {
  std::error_code error;
  return !std::filesystem::exists(folder, error) || std::filesystem::is_empty(folder, error);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return EXIT_FAILURE;
  }
  const std::filesystem::path folder = argv[1];
  if (IsEmptyOrMissing(folder)) WriteDesigns(folder);

  QtFileDialogs fileDialogs;
  CMainFrame frame(fileDialogs);
  frame.show();
  QApplication::processEvents();
  DesignsPanel& panel = frame.GetDesignsPanel();

  QElapsedTimer sinceTick;
  qint64 longestWait = 0;
  QTimer ticker;
  ticker.setTimerType(Qt::PreciseTimer);
  ticker.setInterval(1);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    longestWait = std::max(longestWait, sinceTick.nsecsElapsed());
    sinceTick.restart();
  });
  QObject::connect(&panel, &DesignsPanel::scanEnded, &app, &QApplication::quit);

  QElapsedTimer wall;
  wall.start();
  sinceTick.start();
  ticker.start();
  panel.OpenFolder(QString::fromStdString(folder.string()));
  app.exec();
  const double seconds = double(wall.nsecsElapsed()) / 1e9;
  const qint64 fillWait = longestWait;

  if (panel.Model().rowCount() == 0) {
    std::fprintf(stderr, "%s: no designs\n", argv[1]);
    return EXIT_FAILURE;
  }

  // Five hundred steps from top to bottom, one per frame of a 60 Hz screen.
  constexpr int kScrollSteps = 500;
  panel.Table().setColumnHidden(DesignTableModel::Profile, false);
  QScrollBar& bar = *panel.Table().verticalScrollBar();
  int step = 0;
  QTimer scroller;
  scroller.setInterval(16);
  QObject::connect(&scroller, &QTimer::timeout, [&] {
    bar.setValue(bar.maximum() * ++step / kScrollSteps);
    if (step == kScrollSteps) app.quit();
  });
  QApplication::processEvents();
  longestWait = 0;
  sinceTick.restart();
  scroller.start();
  app.exec();
  std::printf("%.3f %.1f %.1f\n", seconds, double(fillWait) / 1e6, double(longestWait) / 1e6);
  return EXIT_SUCCESS;
}
