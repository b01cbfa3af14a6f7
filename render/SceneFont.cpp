#include "render/SceneFont.h"

#include <cmath>

namespace {

int PixelSize(double size) { return std::max(1, int(std::lround(size))); }

}  // namespace

SceneFont::SceneFont(const QFont& family) : m_font(family) {}

QFont SceneFont::AtSize(double size) const {
  QFont font = m_font;
  font.setPixelSize(PixelSize(size));
  return font;
}

const QFontMetricsF& SceneFont::Metrics(double size) const {
  const int pixels = PixelSize(size);
  auto found = m_metrics.find(pixels);
  if (found == m_metrics.end()) found = m_metrics.emplace(pixels, QFontMetricsF(AtSize(size))).first;
  return found->second;
}

double SceneFont::Width(const std::string& text, double size) const {
  return Metrics(size).horizontalAdvance(QString::fromStdString(text));
}

QPointF SceneFont::Origin(const scene::Label& label) const {
  double x = label.at.x;
  if (label.anchor != scene::Anchor::Start) {
    const double width = Width(label.text, label.size);
    x -= label.anchor == scene::Anchor::Middle ? width / 2 : width;
  }
  // Digits and capitals are about as tall as the cap height: centre that on the anchor.
  return {x, label.at.y + Metrics(label.size).capHeight() / 2};
}

QRectF SceneFont::Bounds(const scene::Label& label) const {
  const QFontMetricsF& metrics = Metrics(label.size);
  const QPointF origin = Origin(label);
  return {origin.x(), origin.y() - metrics.ascent(), Width(label.text, label.size),
          metrics.ascent() + metrics.descent()};
}

SceneFont PictureFont() {
  QFont font(QStringLiteral("sans-serif"));
  font.setStyleHint(QFont::SansSerif);
  return SceneFont(font);
}
