#include "shell/dialogs/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QMessageBox::StandardButtons ButtonsFor(unsigned type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO:
      return QMessageBox::Yes | QMessageBox::No;
    default:
      return QMessageBox::Ok;
  }
}

QMessageBox::Icon IconFor(unsigned type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
      return QMessageBox::Warning;
    case MB_ICONINFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

int AnswerFor(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return IDYES;
    case QMessageBox::No:
      return IDNO;
    case QMessageBox::Ok:
      return IDOK;
    default:
      return IDCANCEL;
  }
}
}  // namespace

void QtMessageBox::SetOwners(QWidget* mainWindow, QWidget* view) {
  m_pMainWindow = mainWindow;
  m_pView = view;
}

QWidget* QtMessageBox::ParentFor(MessageOwner owner) const {
  // A message raised while a dialog is open belongs in front of that dialog.
  if (QWidget* dialog = QApplication::activeModalWidget()) return dialog;
  switch (owner) {
    case MessageOwner::MainWindow:
      return m_pMainWindow;
    case MessageOwner::View:
      return m_pView;
    case MessageOwner::None:
      break;
  }
  return nullptr;
}

int QtMessageBox::Show(const MessageBoxRequest& request) {
  QMessageBox box(IconFor(request.type), QString::fromStdString(request.caption), QString::fromStdString(request.text),
                  ButtonsFor(request.type), ParentFor(request.owner));
  box.setTextFormat(Qt::PlainText);
  return AnswerFor(box.exec());
}
