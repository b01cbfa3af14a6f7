#pragma once

#include <QFontMetrics>
#include <QRect>

// Converts the dialog units of the program's window layouts into pixels for a
// font: a horizontal unit is a quarter of the font's average character width,
// a vertical unit an eighth of its height, so the layouts scale with the font.
class DialogUnits {
public:
  explicit DialogUnits(const QFontMetrics& metrics);

  int X(int units) const { return Scale(units, m_baseX, 4); }
  int Y(int units) const { return Scale(units, m_baseY, 8); }
  QRect Rect(int x, int y, int width, int height) const { return {X(x), Y(y), X(width), Y(height)}; }

private:
  static int Scale(int units, int base, int divisor) { return (units * base + divisor / 2) / divisor; }

  int m_baseX;
  int m_baseY;
};
