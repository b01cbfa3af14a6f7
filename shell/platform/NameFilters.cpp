#include "shell/platform/NameFilters.h"

#include <QFileDialog>
#include <QRegularExpression>

void SetNameFilters(QFileDialog& dialog, const QStringList& texts) {
  static const QRegularExpression patternsAtEnd(QStringLiteral("\\(([^()]*)\\)$"));
  QStringList filters;
  for (const QString& text : texts) {
    QString patterns = patternsAtEnd.match(text).captured(1);
    if (patterns == QLatin1String("*.*")) patterns = QStringLiteral("*");
    // The dialog shows what comes before the last parentheses, that is the text.
    filters << text + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters(filters);
}
