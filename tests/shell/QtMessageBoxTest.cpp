#include <QAbstractButton>
#include <QMessageBox>

#include "shell/dialogs/QtMessageBox.h"
#include "tests/shell/ShellFixture.h"

class QtMessageBoxTest : public QObject {
  Q_OBJECT
private slots:
  void showsTheRequestAndReturnsTheChosenButton();
};

void QtMessageBoxTest::showsTheRequestAndReturnsTheChosenButton() {
  const struct {
    unsigned type;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton pressed;
    int answer;
  } cases[] = {
      {MB_YESNOCANCEL | MB_ICONQUESTION, QMessageBox::Question,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No, IDNO},
      {MB_YESNO | MB_ICONQUESTION, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, IDYES},
      {MB_OK | MB_ICONEXCLAMATION, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, IDOK},
      {MB_OK | MB_ICONINFORMATION, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok, IDOK},
      {MB_OKCANCEL, QMessageBox::NoIcon, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, IDCANCEL},
  };
  QWidget mainWindow;
  QtMessageBox messageBox;
  messageBox.SetOwners(&mainWindow, nullptr);
  const ScopedMessageBox installed(messageBox);

  for (const auto& c : cases) {
    WhenModal<QMessageBox>([&c, &mainWindow](QMessageBox& box) {
      QCOMPARE(box.windowTitle(), "Tivora Track Decoder");
      QCOMPARE(box.text(), "Save changes to <b>a</b>.td4?");
      QCOMPARE(box.textFormat(), Qt::PlainText);
      QCOMPARE(box.icon(), c.icon);
      QCOMPARE(box.standardButtons(), c.buttons);
      QCOMPARE(box.parentWidget(), &mainWindow);
      box.button(c.pressed)->click();
    });
    QCOMPARE(ShowMessageBox("Save changes to <b>a</b>.td4?", "Tivora Track Decoder", c.type, MessageOwner::MainWindow),
             c.answer);
  }
}

QTEST_MAIN(QtMessageBoxTest)
#include "QtMessageBoxTest.moc"
