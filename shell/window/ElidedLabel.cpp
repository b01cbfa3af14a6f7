#include "shell/window/ElidedLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

// Measured anew at each call: painting, a tooltip and a test all see what the
// width and font are now, after any resize or font change.
QString ElidedLabel::ShownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize ElidedLabel::minimumSizeHint() const {
  return {fontMetrics().horizontalAdvance(QStringLiteral("…")), QLabel::minimumSizeHint().height()};
}

bool ElidedLabel::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QLabel::event(event);
  if (ShownText() != text()) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
  } else {
    QToolTip::hideText();
    event->ignore();
  }
  return true;
}

void ElidedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int flags = QStyle::visualAlignment(layoutDirection(), alignment()) | Qt::TextSingleLine;
  style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), ShownText(), foregroundRole());
}
