#include "shell/dialogs/DataExchange.h"

#include <QLineEdit>
#include <string>

#include "framework/AppInfo.h"
#include "framework/IntField.h"
#include "framework/MessageBox.h"

namespace {
void Refuse(QLineEdit& field, const std::string& message) {
  ShowMessageBox(message, kAppTitle, MB_OK | MB_ICONEXCLAMATION, MessageOwner::MainWindow);
  field.setFocus();
  field.selectAll();
}
}  // namespace

std::optional<int> ExchangeIntField(QLineEdit& field, int minimum, int maximum) {
  const IntFieldEntry entry = ReadIntField(field.text().toStdString(), minimum, maximum);
  if (!entry.value) Refuse(field, entry.refusal);
  return entry.value;
}
