#include "shell/dialogs/AboutDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "framework/AppInfo.h"
#include "shell/dialogs/DialogUnits.h"
#include "shell/window/ProgramImages.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(kAppTitle));
  const DialogUnits units(fontMetrics());

  auto* icon = new QLabel(this);
  icon->setPixmap(ProgramIcon().pixmap(32, 32));
  auto* version = new QLabel(QString::fromUtf8(kAppTitle) + QStringLiteral(" Version ") + QString::fromUtf8(kAppVersion),
                             this);
  version->setTextFormat(Qt::PlainText);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setMinimumSize(units.X(50), units.Y(14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QHBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setContentsMargins(units.X(11), units.Y(7), units.X(7), units.Y(7));
  layout->setSpacing(units.X(9));
  layout->addWidget(icon, 0, Qt::AlignTop);
  layout->addWidget(version, 0, Qt::AlignTop);
  layout->addSpacing(units.X(26));
  layout->addWidget(ok, 0, Qt::AlignTop);
  ok->setFocus();
}
