#include "shell/dialogs/WarningDlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "framework/AppInfo.h"
#include "framework/MessageBox.h"
#include "shell/dialogs/DialogUnits.h"

namespace {
QLabel* Line(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}
}  // namespace

CWarningDlg::CWarningDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8(kAppTitle));
  const DialogUnits units(fontMetrics());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(units.X(7), units.Y(7), units.X(7), units.Y(7));
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(Line("WARNING: This program is a beta version. Use it at your own risk.", this), 0,
                    Qt::AlignHCenter);
  layout->addSpacing(units.Y(3));
  layout->addWidget(Line("Do not use it to overwrite any of your existing track files unless you have backup copies",
                         this));
  layout->addWidget(Line("(the save functions will ask for confirmation before overwriting an existing file).", this));
  layout->addSpacing(units.Y(2));
  layout->addWidget(Line("The author is not responsible if you lose a track file by overwriting it with this program.",
                         this));
  layout->addSpacing(units.Y(14));

  auto* bottom = new QHBoxLayout;
  m_wndNoWarning = new QCheckBox(QStringLiteral("&Don't show me this warning again"), this);
  bottom->addWidget(m_wndNoWarning, 0, Qt::AlignBottom);
  bottom->addStretch();
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setMinimumSize(units.X(50), units.Y(14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  bottom->addWidget(ok);
  layout->addLayout(bottom);
  ok->setFocus();
}

int CWarningDlg::DoModal() { return exec() == QDialog::Accepted ? IDOK : IDCANCEL; }

void CWarningDlg::accept() {
  m_bNoWarning = m_wndNoWarning->isChecked();
  QDialog::accept();
}
