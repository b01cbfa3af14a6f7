#include "shell/window/ListingWords.h"

QString Counted(long long count, const char* noun) {
  QString words = QString::number(count) + QLatin1Char(' ') + QLatin1StringView(noun);
  if (count != 1) words += QLatin1Char('s');
  return words;
}

QString ListDescription(long long segments, long long lines) {
  return Counted(segments, "segment") + QStringLiteral(" in ") + Counted(lines, "line");
}
