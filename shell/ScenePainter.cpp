#include "shell/ScenePainter.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace {

QColor ToQColor(const picture::Color& color) { return QColor(color.r, color.g, color.b, color.a); }

void Paint(QPainter& painter, const picture::FilledRect& rect) {
  painter.fillRect(QRectF(rect.x, rect.y, rect.width, rect.height), ToQColor(rect.fill));
}

void Paint(QPainter& painter, const picture::Polyline& line) {
  QPolygonF points;
  points.reserve(qsizetype(line.points.size()));
  for (const picture::Point& point : line.points) points << QPointF(point.x, point.y);
  painter.setPen(QPen(ToQColor(line.stroke), line.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(points);
}

void Paint(QPainter& painter, const picture::Label& label) {
  QFont font = painter.font();
  font.setPixelSize(std::max(1, int(std::lround(label.size))));
  painter.setFont(font);
  painter.setPen(ToQColor(label.color));
  // A box far wider than any label, placed so that its anchor edge or middle is at x.
  const double reach = 4096;
  double left = label.at.x;
  Qt::Alignment alignment = Qt::AlignLeft;
  if (label.anchor == picture::Anchor::Middle) {
    left -= reach / 2;
    alignment = Qt::AlignHCenter;
  } else if (label.anchor == picture::Anchor::End) {
    left -= reach;
    alignment = Qt::AlignRight;
  }
  painter.drawText(QRectF(left, label.at.y - label.size, reach, 2 * label.size), int(alignment | Qt::AlignVCenter),
                   QString::fromStdString(label.text));
}

}  // namespace

void PaintScene(QPainter& painter, const picture::Scene& scene) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(0, 0, scene.width, scene.height), ToQColor(scene.background));
  for (const picture::Primitive& primitive : scene.primitives)
    std::visit([&painter](const auto& shape) { Paint(painter, shape); }, primitive);
  painter.restore();
}
