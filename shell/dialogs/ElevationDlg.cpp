#include "shell/dialogs/ElevationDlg.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "framework/MessageBox.h"
#include "listing/ListTrack.h"
#include "shell/dialogs/DataExchange.h"
#include "shell/dialogs/UpDownControl.h"

CElevationDlg::CElevationDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Set Elevation"));
  auto* prompt = new QLabel(QStringLiteral("Set the desired elevation for the first track segment:"), this);

  // The arrows sit against the right end of the edit.
  m_editElevation = new QLineEdit(this);
  m_editElevation->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_editElevation));
  m_spinElevation = new UpDownControl(*m_editElevation, this);
  prompt->setBuddy(m_editElevation);
  auto* value = new QHBoxLayout;
  value->setSpacing(0);
  value->addStretch();
  value->addWidget(m_editElevation);
  value->addWidget(m_spinElevation);
  value->addStretch();

  m_wndFit = new QLabel(this);
  m_wndFit->setObjectName(QStringLiteral("Fit"));
  m_wndFit->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(prompt);
  layout->addLayout(value);
  layout->addWidget(m_wndFit);
  layout->addWidget(buttons);
}

int CElevationDlg::DoModal() {
  OnInitDialog();
  return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CElevationDlg::OnInitDialog() {
  m_spinElevation->SetRange(kLowestBuildableElevation, kHighestBuildableElevation);
  m_spinElevation->SetPos(m_nElevation);
  DoDataExchange(false);
  m_wndFit->setText(m_strFit);
  // What the label under the value shows, a screen reader tells with the value.
  m_editElevation->setAccessibleDescription(m_strFit);
  m_editElevation->setFocus();
  m_editElevation->selectAll();
}

void CElevationDlg::accept() {
  if (DoDataExchange(true)) QDialog::accept();
}

bool CElevationDlg::DoDataExchange(bool saveAndValidate) {
  if (!saveAndValidate) {
    m_editElevation->setText(QString::number(m_nElevation));
    return true;
  }
  const std::optional<int> elevation = ExchangeIntField(*m_editElevation, kLowestBuildableElevation, kHighestBuildableElevation);
  if (elevation) m_nElevation = *elevation;
  return elevation.has_value();
}
