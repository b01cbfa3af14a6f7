#include "shell/window/FocusFrame.h"

#include <QEvent>
#include <QFocusFrame>
#include <QPointer>

namespace {
// The frame follows the focus into and out of the one widget it belongs to.
class FocusFrameSwitch : public QObject {
public:
  explicit FocusFrameSwitch(QWidget& widget) : QObject(&widget), m_pFrame(new QFocusFrame(widget.parentWidget())) {
    widget.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    // The frame lives beside the widget and may go first, with the widget's parent.
    if (!m_pFrame) return false;
    if (event->type() == QEvent::FocusIn) m_pFrame->setWidget(static_cast<QWidget*>(watched));
    if (event->type() == QEvent::FocusOut) m_pFrame->setWidget(nullptr);
    return false;
  }

private:
  QPointer<QFocusFrame> m_pFrame;
};
}  // namespace

void ShowFocusFrame(QWidget& widget) { new FocusFrameSwitch(widget); }
