#include "shell/dialogs/UpDownControl.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/dialogs/UpDownAccessible.h"

namespace {
QToolButton* AddArrow(Qt::ArrowType direction, const char* name, QLayout& layout, QWidget* parent) {
  auto* arrow = new QToolButton(parent);
  arrow->setAccessibleName(QString::fromLatin1(name));
  arrow->setArrowType(direction);
  arrow->setAutoRepeat(true);
  arrow->setFocusPolicy(Qt::NoFocus);
  arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  layout.addWidget(arrow);
  return arrow;
}
}  // namespace

UpDownControl::UpDownControl(QLineEdit& buddy, QWidget* parent) : QWidget(parent), m_buddy(buddy) {
  InstallUpDownAccessible();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  connect(AddArrow(Qt::UpArrow, "Increase", *layout, this), &QToolButton::clicked, this, [this] { Step(1); });
  connect(AddArrow(Qt::DownArrow, "Decrease", *layout, this), &QToolButton::clicked, this, [this] { Step(-1); });
  m_buddy.installEventFilter(this);
}

UpDownControl* UpDownControl::Of(const QLineEdit& field) {
  for (UpDownControl* control : field.window()->findChildren<UpDownControl*>())
    if (&control->m_buddy == &field) return control;
  return nullptr;
}

void UpDownControl::SetRange(int lower, int upper) {
  m_nLower = lower;
  m_nUpper = upper;
  m_nPos = std::clamp(m_nPos, m_nLower, m_nUpper);
}

void UpDownControl::SetPos(int pos) {
  m_nPos = std::clamp(pos, m_nLower, m_nUpper);
  m_buddy.setText(QString::number(m_nPos));
}

void UpDownControl::Step(int delta) {
  bool shown = false;
  const int current = m_buddy.text().toInt(&shown);
  SetPos((shown ? std::clamp(current, m_nLower, m_nUpper) : m_nPos) + delta);
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &m_buddy && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Step(key == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}
