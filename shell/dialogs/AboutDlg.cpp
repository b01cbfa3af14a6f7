#include "shell/dialogs/AboutDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "framework/AppInfo.h"
#include "shell/window/ProgramImages.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(kAppTitle));
  auto* icon = new QLabel(this);
  icon->setPixmap(ProgramIcon().pixmap(32, 32));
  auto* version =
      new QLabel(QString::fromUtf8(kAppTitle) + QStringLiteral(" Version ") + QString::fromUtf8(kAppVersion), this);
  version->setTextFormat(Qt::PlainText);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Vertical, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QGridLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(icon, 0, 0, Qt::AlignTop);
  layout->addWidget(version, 0, 1, Qt::AlignTop);
  layout->addWidget(buttons, 0, 2, Qt::AlignTop);
  buttons->button(QDialogButtonBox::Ok)->setFocus();
}
