#include "shell/dialogs/WarningDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "framework/AppInfo.h"
#include "framework/MessageBox.h"

namespace {
QLabel* Line(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}
}  // namespace

CWarningDlg::CWarningDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8(kAppTitle));
  m_wndNoWarning = new QCheckBox(QStringLiteral("&Don't show me this warning again"), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QGridLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(Line("WARNING: This program is a beta version. Use it at your own risk.", this), 0, 0, 1, 2,
                    Qt::AlignHCenter);
  auto* lines = new QVBoxLayout;
  lines->setSpacing(0);
  lines->addWidget(
      Line("Do not use it to overwrite any of your existing track files unless you have backup copies", this));
  lines->addWidget(Line("(the save functions will ask for confirmation before overwriting an existing file).", this));
  layout->addLayout(lines, 1, 0, 1, 2);
  layout->addWidget(
      Line("The author is not responsible if you lose a track file by overwriting it with this program.", this), 2, 0,
      1, 2);
  layout->addWidget(m_wndNoWarning, 3, 0, Qt::AlignBottom);
  layout->addWidget(buttons, 3, 1);
  buttons->button(QDialogButtonBox::Ok)->setFocus();
}

int CWarningDlg::DoModal() { return exec() == QDialog::Accepted ? IDOK : IDCANCEL; }

void CWarningDlg::accept() {
  m_bNoWarning = m_wndNoWarning->isChecked();
  QDialog::accept();
}
