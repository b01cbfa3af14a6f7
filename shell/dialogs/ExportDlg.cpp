#include "shell/dialogs/ExportDlg.h"

#include <QCheckBox>
#include <QGridLayout>

#include "framework/MessageBox.h"
#include "shell/platform/NameFilters.h"

CExportDlg::CExportDlg(const QString& defaultExtension, const QString& fileName, const QStringList& filters,
                       QWidget* parent)
    : QFileDialog(parent, QStringLiteral("Export Track List")) {
  // The platform's own dialog could not carry the check box.
  setOption(QFileDialog::DontUseNativeDialog);
  setAcceptMode(QFileDialog::AcceptSave);
  setFileMode(QFileDialog::AnyFile);
  SetNameFilters(*this, filters);
  setDefaultSuffix(defaultExtension);
  if (!fileName.isEmpty()) selectFile(fileName);

  m_wndLaunch = new QCheckBox(QStringLiteral("&Launch file after creation"), this);
  // Qt's own dialog is laid out on a grid; the box goes in a row of its own below it.
  if (auto* grid = qobject_cast<QGridLayout*>(layout()))
    grid->addWidget(m_wndLaunch, grid->rowCount(), 0, 1, grid->columnCount());
  else if (layout())
    layout()->addWidget(m_wndLaunch);
  // Clicks from the keyboard come through here too.
  connect(m_wndLaunch, &QCheckBox::clicked, this, &CExportDlg::OnClickedLaunch);
}

int CExportDlg::DoModal() { return exec() == QDialog::Accepted ? IDOK : IDCANCEL; }

QString CExportDlg::GetPathName() const {
  const QStringList chosen = selectedFiles();
  return chosen.isEmpty() ? QString() : chosen.constFirst();
}

void CExportDlg::OnClickedLaunch() { m_bOpenAfterExport = m_wndLaunch->isChecked(); }
