#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class UpDownControl;

// Asks for the elevation at which the first track segment starts: a whole
// number from 1 to 61, typed or stepped with the up-down arrows.
class CElevationDlg : public QDialog {
  Q_OBJECT
public:
  explicit CElevationDlg(QWidget* parent = nullptr);

  // Shows the dialog with m_nElevation; returns IDOK once a valid value is in
  // m_nElevation, IDCANCEL when the user cancelled.
  int DoModal();

  // Keeps the dialog open while the typed value is refused.
  void accept() override;

  UpDownControl* m_spinElevation;
  int m_nElevation = 0;
  // Shown under the value: the starting elevations at which the design fits; empty without a design.
  QString m_strFit;

private:
  void OnInitDialog();
  // Fills the edit from m_nElevation, or with saveAndValidate reads it back;
  // false when the typed text was refused.
  bool DoDataExchange(bool saveAndValidate);

  QLineEdit* m_editElevation;
  QLabel* m_wndFit;
};
