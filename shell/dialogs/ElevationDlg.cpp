#include "shell/dialogs/ElevationDlg.h"

#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "framework/MessageBox.h"
#include "shell/dialogs/DataExchange.h"
#include "shell/dialogs/DialogUnits.h"
#include "shell/dialogs/UpDownControl.h"

CElevationDlg::CElevationDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Set Elevation"));
  const DialogUnits units(fontMetrics());
  auto* prompt = new QLabel(QStringLiteral("Set the desired elevation for the first track segment:"), this);
  prompt->setGeometry(units.Rect(7, 7, 172, 8));
  // A font wider than the layout was drawn for widens the dialog, so the
  // prompt is shown whole and OK keeps its place at the right.
  const int widening = std::max(0, prompt->sizeHint().width() - prompt->width());
  prompt->resize(prompt->width() + widening, prompt->height());
  setFixedSize(units.X(186) + widening, units.Y(70));

  // The arrows sit against the right end of the edit, inside its rectangle.
  const QRect editArea = units.Rect(62, 26, 40, 14);
  const int arrowsWidth = units.X(10);
  m_editElevation = new QLineEdit(this);
  m_editElevation->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_editElevation));
  m_editElevation->setGeometry(editArea.adjusted(0, 0, -arrowsWidth, 0));
  m_spinElevation = new UpDownControl(*m_editElevation, this);
  m_spinElevation->setGeometry(editArea.right() + 1 - arrowsWidth, editArea.top(), arrowsWidth, editArea.height());

  m_wndFit = new QLabel(this);
  m_wndFit->setObjectName(QStringLiteral("Fit"));
  m_wndFit->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  m_wndFit->setGeometry(units.Rect(7, 41, 172, 8).adjusted(0, 0, widening, 0));

  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setGeometry(units.Rect(7, 49, 50, 14));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setGeometry(units.Rect(129, 49, 50, 14).translated(widening, 0));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

int CElevationDlg::DoModal() {
  OnInitDialog();
  return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CElevationDlg::OnInitDialog() {
  m_spinElevation->SetRange(kMinElevation, kMaxElevation);
  m_spinElevation->SetPos(m_nElevation);
  DoDataExchange(false);
  m_wndFit->setText(m_strFit);
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
  const std::optional<int> elevation = ExchangeIntField(*m_editElevation, kMinElevation, kMaxElevation);
  if (elevation) m_nElevation = *elevation;
  return elevation.has_value();
}
