#pragma once

#include <QDialog>

class QCheckBox;

// The warning shown at start-up: the program is a beta version and may
// overwrite track files. Its check box lets the user turn it off for good;
// only OK takes the box's state, Esc and the close box leave it unread.
class CWarningDlg : public QDialog {
  Q_OBJECT
public:
  explicit CWarningDlg(QWidget* parent = nullptr);

  // IDOK when the user pressed OK, IDCANCEL when the dialog was closed otherwise.
  int DoModal();
  void accept() override;

  // The check box's state when OK was pressed.
  bool m_bNoWarning = false;

private:
  QCheckBox* m_wndNoWarning;
};
