#pragma once

#include <QFileDialog>

class QCheckBox;

// The Save dialog of the Export command, titled "Export Track List": the text
// file to write the listing to, and below the standard controls a check box
// that asks to open the file once it is written. The box starts cleared at
// every export; the choice is not remembered.
class CExportDlg : public QFileDialog {
  Q_OBJECT
public:
  // defaultExtension is added to a name typed without one; fileName is the
  // name offered at start (with a folder, the dialog starts in it); the first
  // filter is selected. Replacing an existing file is confirmed first.
  CExportDlg(const QString& defaultExtension, const QString& fileName, const QStringList& filters,
             QWidget* parent);

  // IDOK when the user chose a file, IDCANCEL otherwise.
  int DoModal();
  // The chosen file's full path.
  QString GetPathName() const;

  bool m_bOpenAfterExport = false;
  QCheckBox* m_wndLaunch;

private:
  void OnClickedLaunch();
};
