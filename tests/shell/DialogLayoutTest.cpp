#include <QAbstractButton>
#include <QLabel>
#include <QtTest>
#include <functional>
#include <memory>

#include "shell/dialogs/AboutDlg.h"
#include "shell/dialogs/ElevationDlg.h"
#include "shell/dialogs/WarningDlg.h"

namespace {
// Every label and button shows its whole text inside the dialog, and none overlaps another.
void VerifyNothingCut(QDialog& dialog, const char* name) {
  const QRect inside = dialog.rect();
  QList<QWidget*> shown;
  for (QWidget* widget : dialog.findChildren<QWidget*>())
    if ((qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget)) && !widget->isHidden())
      shown << widget;
  for (QWidget* widget : shown) {
    const QRect where(widget->mapTo(&dialog, QPoint()), widget->size());
    QVERIFY2(inside.contains(where), name);
    QVERIFY2(widget->width() >= widget->sizeHint().width(), name);
    QVERIFY2(widget->height() >= widget->sizeHint().height(), name);
    for (QWidget* other : shown)
      if (other != widget && !other->isAncestorOf(widget) && !widget->isAncestorOf(other))
        QVERIFY2(!where.intersects(QRect(other->mapTo(&dialog, QPoint()), other->size())), name);
  }
}
}  // namespace

class DialogLayoutTest : public QObject {
  Q_OBJECT
private slots:
  void dialogsFollowTheFont();
};

void DialogLayoutTest::dialogsFollowTheFont() {
  const struct {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
  } cases[] = {
      {"Set Elevation",
       [] {
         auto dialog = std::make_unique<CElevationDlg>();
         dialog->findChild<QLabel*>(QStringLiteral("Fit"))
             ->setText(QStringLiteral("This design fits with starting elevations 3..12."));
         return std::unique_ptr<QDialog>(std::move(dialog));
       }},
      {"warning", [] { return std::unique_ptr<QDialog>(std::make_unique<CWarningDlg>()); }},
      {"About", [] { return std::unique_ptr<QDialog>(std::make_unique<CAboutDlg>()); }},
  };
  for (const auto& c : cases) {
    const std::unique_ptr<QDialog> dialog = c.make();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    VerifyNothingCut(*dialog, c.name);
    const QSize before = dialog->size();

    QFont large = dialog->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    dialog->setFont(large);
    QTRY_VERIFY2(dialog->width() > before.width() && dialog->height() > before.height(), c.name);
    VerifyNothingCut(*dialog, c.name);
  }
}

QTEST_MAIN(DialogLayoutTest)
#include "DialogLayoutTest.moc"
