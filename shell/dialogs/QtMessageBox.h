#pragma once

#include <QPointer>
#include <QWidget>

#include "framework/MessageBox.h"

// Shows the program's messages as modal message boxes: the caption, the text
// as plain text, the icon and buttons of the request's flags, in front of the
// window that owns the message (or of the dialog open at the time).
class QtMessageBox : public IMessageBox {
public:
  void SetOwners(QWidget* mainWindow, QWidget* view);

  int Show(const MessageBoxRequest& request) override;

private:
  QWidget* ParentFor(MessageOwner owner) const;

  QPointer<QWidget> m_pMainWindow;
  QPointer<QWidget> m_pView;
};
