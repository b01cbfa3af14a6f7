#include "shell/dialogs/DataExchange.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <string>

#include "framework/AppInfo.h"
#include "framework/MessageBox.h"

namespace {
void Refuse(QLineEdit& field, const std::string& message) {
  ShowMessageBox(message, kAppTitle, MB_OK | MB_ICONEXCLAMATION, MessageOwner::MainWindow);
  field.setFocus();
  field.selectAll();
}
}  // namespace

std::optional<int> ExchangeIntField(QLineEdit& field, int minimum, int maximum) {
  static const QRegularExpression integer(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
  const QString text = field.text();
  if (!integer.match(text).hasMatch()) {
    Refuse(field, "Please enter an integer.");
    return std::nullopt;
  }
  // A number too long for any integer type is still a number, just out of range.
  bool fits = false;
  const qlonglong value = text.trimmed().toLongLong(&fits);
  if (!fits || value < minimum || value > maximum) {
    Refuse(field, "Please enter an integer between " + std::to_string(minimum) + " and " + std::to_string(maximum) + ".");
    return std::nullopt;
  }
  return static_cast<int>(value);
}
