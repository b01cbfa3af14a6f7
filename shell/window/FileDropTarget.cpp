#include "shell/window/FileDropTarget.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {
// The first local file among the dragged items; empty when there is none.
QString FirstLocalFile(const QMimeData* data) {
  if (!data) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return url.toLocalFile();
  return {};
}
}  // namespace

FileDropTarget::FileDropTarget(QWidget& window, std::function<void(const QString&)> open)
    : QObject(&window), m_window(window), m_open(std::move(open)) {
  window.setAcceptDrops(true);
  window.installEventFilter(this);
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &m_window) return false;
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (FirstLocalFile(drag->mimeData()).isEmpty()) return false;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QString path = FirstLocalFile(drop->mimeData());
      if (path.isEmpty()) return false;
      drop->acceptProposedAction();
      m_window.activateWindow();
      QTimer::singleShot(0, this, [this, path] { m_open(path); });
      return true;
    }
    default:
      return false;
  }
}
