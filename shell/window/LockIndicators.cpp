#include "shell/window/LockIndicators.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

#include "shell/platform/LockKeyState.h"

namespace {
bool IsLockKey(const QEvent& event) {
  if (event.type() != QEvent::KeyRelease) return false;
  const int key = static_cast<const QKeyEvent&>(event).key();
  return key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock;
}

QLabel* AddPane(QStatusBar& statusBar, const char* text) {
  auto* pane = new QLabel(QString::fromLatin1(text), &statusBar);
  pane->setAlignment(Qt::AlignCenter);
  pane->setMinimumWidth(pane->sizeHint().width() + pane->fontMetrics().averageCharWidth() * 2);
  statusBar.addPermanentWidget(pane);
  return pane;
}
}  // namespace

LockIndicators::LockIndicators(QStatusBar& statusBar)
    : QObject(&statusBar),
      m_pCaps(AddPane(statusBar, "CAP")),
      m_pNum(AddPane(statusBar, "NUM")),
      m_pScroll(AddPane(statusBar, "SCRL")) {
  qApp->installEventFilter(this);
  Refresh();
}

void LockIndicators::Refresh() {
  m_pCaps->setEnabled(IsLockOn(LockKey::Caps));
  m_pNum->setEnabled(IsLockOn(LockKey::Num));
  m_pScroll->setEnabled(IsLockOn(LockKey::Scroll));
}

// The lock state also changes while another program has the keyboard.
bool LockIndicators::eventFilter(QObject* watched, QEvent* event) {
  if (IsLockKey(*event) || event->type() == QEvent::ApplicationActivate) Refresh();
  return QObject::eventFilter(watched, event);
}
