#include "shell/dialogs/DialogUnits.h"

#include <QString>

namespace {
// Averaged over the letters rather than taken from the font's own figure, which
// some fonts set from their widest glyphs and which would spread the layouts.
int AverageLetterWidth(const QFontMetrics& metrics) {
  static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
}
}  // namespace

DialogUnits::DialogUnits(const QFontMetrics& metrics)
    : m_baseX(AverageLetterWidth(metrics)), m_baseY(metrics.height()) {}
