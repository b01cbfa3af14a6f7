#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Lets a window take files dropped on it from the desktop: the first local
// file dropped is handed to open once the drop has ended, so that questions
// asked while opening do not hold up the program the file came from.
class FileDropTarget : public QObject {
  Q_OBJECT
public:
  FileDropTarget(QWidget& window, std::function<void(const QString&)> open);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QWidget& m_window;
  std::function<void(const QString&)> m_open;
};
