#include "shell/window/PartFocus.h"

#include <QApplication>
#include <QShortcut>
#include <QWidget>

namespace {
bool CanTakeFocus(const QWidget& widget) {
  return widget.isVisible() && widget.isEnabled() && !widget.size().isEmpty() &&
         (widget.focusPolicy() & Qt::TabFocus) != 0;
}

bool Holds(const QWidget& part, const QWidget* widget) {
  return widget && (widget == &part || part.isAncestorOf(widget));
}

// Where the focus goes in part: where it last was, else the first widget of
// the tab order that takes it.
QWidget* FocusTarget(QWidget& part) {
  if (!part.isVisible()) return nullptr;
  if (QWidget* last = part.focusWidget(); last && CanTakeFocus(*last)) return last;
  QWidget* widget = &part;
  do {
    if (Holds(part, widget) && CanTakeFocus(*widget)) return widget;
    widget = widget->nextInFocusChain();
  } while (widget != &part);
  return nullptr;
}
}  // namespace

PartFocus::PartFocus(QWidget& window, std::vector<QWidget*> parts) : QObject(&window) {
  for (QWidget* part : parts) m_parts.emplace_back(part);
  for (auto [key, step] : {std::pair{QKeySequence(Qt::Key_F6), 1}, std::pair{QKeySequence(Qt::SHIFT | Qt::Key_F6), -1}})
    connect(new QShortcut(key, &window), &QShortcut::activated, this, [this, step] { Move(step); });
}

void PartFocus::Move(int step) {
  const int count = int(m_parts.size());
  const QWidget* focused = QApplication::focusWidget();
  int current = step > 0 ? count - 1 : 0;
  for (int i = 0; i < count; ++i)
    if (m_parts[std::size_t(i)] && Holds(*m_parts[std::size_t(i)], focused)) current = i;
  for (int i = 1; i <= count; ++i) {
    QWidget* part = m_parts[std::size_t(((current + step * i) % count + count) % count)];
    if (QWidget* target = part ? FocusTarget(*part) : nullptr) {
      // A floating panel is a window of its own.
      target->activateWindow();
      target->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}
