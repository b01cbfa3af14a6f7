#include "render/ScenePainter.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "render/SceneColours.h"
#include "render/SceneFont.h"

namespace {

// Qt fills a thick antialiased stroke as one outline, at a cost that grows far
// faster than its length: the zigzag of a long track takes minutes whole and
// seconds in short pieces, which join seamlessly under their round caps. An
// SVG keeps each line whole for its viewer.
constexpr qsizetype kPiecePoints = 8;

class ShapePainter {
public:
  ShapePainter(QPainter& painter, const SceneColours& colours, const SceneFont& font)
      : m_painter(painter),
        m_colours(colours),
        m_font(font),
        m_bWholeLines(painter.paintEngine()->type() == QPaintEngine::SVG) {}

  void operator()(const scene::Rect& rect) const {
    m_painter.fillRect(QRectF(rect.x, rect.y, rect.width, rect.height), m_colours[rect.fill]);
  }

  void operator()(const scene::Polyline& line) const {
    QPolygonF points;
    points.reserve(qsizetype(line.points.size()));
    for (const scene::Point& point : line.points) points << QPointF(point.x, point.y);
    m_painter.setPen(QPen(m_colours[line.stroke], line.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.setBrush(Qt::NoBrush);
    if (m_bWholeLines) {
      m_painter.drawPolyline(points);
      return;
    }
    for (qsizetype first = 0; first + 1 < points.size(); first += kPiecePoints)
      m_painter.drawPolyline(points.constData() + first, int(std::min(kPiecePoints + 1, points.size() - first)));
  }

  void operator()(const scene::Label& label) const {
    m_painter.setFont(m_font.AtSize(label.size));
    m_painter.setPen(m_colours[scene::Ink::Text]);
    m_painter.drawText(m_font.Origin(label), QString::fromStdString(label.text));
  }

private:
  QPainter& m_painter;
  const SceneColours& m_colours;
  const SceneFont& m_font;
  bool m_bWholeLines;
};

}  // namespace

void PaintScene(QPainter& painter, const scene::Scene& scene, const SceneColours& colours, const SceneFont& font) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(0, 0, scene.width, scene.height), colours[scene::Ink::Window]);
  const ShapePainter paint(painter, colours, font);
  for (const scene::Shape& shape : scene.shapes) std::visit(paint, shape);
  painter.restore();
}
