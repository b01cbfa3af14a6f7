#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

// The CAP, NUM and SCRL panes at the right of the status bar. Each pane's text
// is shown in full while its lock key is on and greyed while it is off, or
// while the platform does not tell the lock state.
class LockIndicators : public QObject {
  Q_OBJECT
public:
  explicit LockIndicators(QStatusBar& statusBar);

  // Shows the current lock state.
  void Refresh();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QLabel* m_pCaps;
  QLabel* m_pNum;
  QLabel* m_pScroll;
};
