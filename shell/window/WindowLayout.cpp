#include "shell/window/WindowLayout.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

#include "shell/platform/AppSettings.h"
#include "shell/window/MainFrame.h"

namespace {
QString Key(const char* key) { return QString::fromUtf8(key); }

// The free area of the screen the window is on, or would be on once shown.
QRect AvailableArea(const CMainFrame& frame) {
  const QScreen* screen = QGuiApplication::screenAt(frame.geometry().center());
  return (screen ? screen : frame.screen())->availableGeometry();
}

// The desktop adds its frame only once the window shows; until then the
// style's title bar and frame width stand in for it.
QMargins FrameEstimate(const CMainFrame& frame) {
  const int border = frame.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
  return {border, frame.style()->pixelMetric(QStyle::PM_TitleBarHeight), border, border};
}
}  // namespace

void SaveWindowLayout(const CMainFrame& frame, QSettings& settings) {
  settings.setValue(Key(kWindowGeometryKey), frame.saveGeometry());
  settings.setValue(Key(kWindowStateKey), frame.saveState());
  settings.setValue(Key(kPanesKey), frame.Panes().saveState());
  settings.setValue(Key(kStatusBarKey), frame.Commands().viewStatusBar->isChecked() ? 1 : 0);
}

void RestoreWindowLayout(CMainFrame& frame, const QSettings& settings) {
  const bool placed = frame.restoreGeometry(settings.value(Key(kWindowGeometryKey)).toByteArray());
  frame.restoreState(settings.value(Key(kWindowStateKey)).toByteArray());
  frame.Panes().restoreState(settings.value(Key(kPanesKey)).toByteArray());
  // Bars hidden before the window shows report no change; the View menu's checks follow them here.
  const FrameCommands& commands = frame.Commands();
  commands.viewToolbar->setChecked(!frame.ToolBar().isHidden());
  commands.viewStatusBar->setChecked(settings.value(Key(kStatusBarKey), 1).toInt() != 0);

  if (frame.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  const QRect area = AvailableArea(frame);
  const QRect window = placed ? frame.geometry() : FirstWindowRect(area);
  frame.setGeometry(FitWindowInto(window, frame.minimumSize(), area, FrameEstimate(frame)));
}

QRect FirstWindowRect(const QRect& area) {
  QRect window(QPoint(), area.size() * 2 / 3);
  window.moveCenter(area.center());
  return window;
}

QRect FitWindowInto(const QRect& window, const QSize& minimum, const QRect& area, const QMargins& frame) {
  const QRect room = area - frame;
  QRect fitted(window.topLeft(), window.size().boundedTo(room.size()).expandedTo(minimum));
  // The low end wins, so a window kept larger than the room by its minimum
  // starts at the room's left and top (qBound would require low <= high).
  fitted.moveLeft(std::max(room.left(), std::min(fitted.left(), room.right() + 1 - fitted.width())));
  fitted.moveTop(std::max(room.top(), std::min(fitted.top(), room.bottom() + 1 - fitted.height())));
  return fitted;
}
