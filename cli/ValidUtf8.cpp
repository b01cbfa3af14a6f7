#include "cli/ValidUtf8.h"

#include <QString>
#include <QUtf8StringView>

std::string ValidUtf8(std::string_view text) {
  const QUtf8StringView utf8(text.data(), qsizetype(text.size()));
  if (utf8.isValidUtf8()) return std::string(text);
  return utf8.toString().toStdString();
}
