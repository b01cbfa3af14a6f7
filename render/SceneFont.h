#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <map>

#include "listing/Scene.h"

// The font labels are painted in: one family, at each label's pixel size. It
// also measures labels for the layout, so that the layout leaves room for
// exactly what is painted.
class SceneFont : public scene::ITextMeasure {
public:
  explicit SceneFont(const QFont& family);

  QFont AtSize(double size) const;
  double Width(const std::string& text, double size) const override;
  // Where the painter starts the label's baseline so that the label sits at its anchor.
  QPointF Origin(const scene::Label& label) const;
  // The box the label's text takes when painted.
  QRectF Bounds(const scene::Label& label) const;

private:
  const QFontMetricsF& Metrics(double size) const;

  QFont m_font;
  mutable std::map<int, QFontMetricsF> m_metrics;
};

// The font of picture files: the system's sans serif.
SceneFont PictureFont();
