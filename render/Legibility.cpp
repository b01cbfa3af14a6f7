#include "render/Legibility.h"

#include <algorithm>
#include <cmath>

namespace {
// The share of the way from base to text that a placeholder takes when the palette's does not read.
constexpr double kPlaceholderShare = 0.6;

QColor Over(const QColor& ink, const QColor& ground) { return Mix(ground, ink, ink.alphaF()); }

double Luminance(const QColor& colour) {
  const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}
}  // namespace

QColor Mix(const QColor& from, const QColor& to, double share) {
  const auto channel = [share](int a, int b) { return int(a + (b - a) * share + 0.5); };
  return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

double ContrastRatio(const QColor& ink, const QColor& ground) {
  const double a = Luminance(Over(ink, ground)), b = Luminance(ground);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor LegiblePlaceholder(const QPalette& palette, QPalette::ColorGroup group) {
  const QColor base = palette.color(group, QPalette::Base);
  const QColor own = palette.color(group, QPalette::PlaceholderText);
  if (ContrastRatio(own, base) >= kTextContrast) return own;
  return Mix(base, palette.color(group, QPalette::Text), kPlaceholderShare);
}
