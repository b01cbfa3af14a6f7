#include "shell/window/ProgramImages.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
using Drawing = void (*)(QPainter&);

// Every image is drawn on a square of kGrid units and rendered at each size.
constexpr qreal kGrid = 16;

QIcon ToolbarImage(Drawing draw) {
  QIcon icon;
  for (const int size : {16, 24, 32, 48}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kGrid, size / kGrid);
    draw(painter);
    icon.addPixmap(pixmap);
  }
  return icon;
}

QPen Outline(qreal width = 0.8) { return QPen(QColor(40, 40, 40), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void DrawBlankPage(QPainter& painter) {
  QPainterPath page(QPointF(3, 1));
  page.lineTo(10, 1);
  page.lineTo(13, 4);
  page.lineTo(13, 15);
  page.lineTo(3, 15);
  page.closeSubpath();
  painter.setPen(Outline());
  painter.setBrush(Qt::white);
  painter.drawPath(page);
  painter.drawPolyline(QPolygonF({QPointF(10, 1), QPointF(10, 4), QPointF(13, 4)}));
}

void DrawOpenFolder(QPainter& painter) {
  painter.setPen(Outline());
  painter.setBrush(QColor(220, 170, 50));
  painter.drawPolygon(QPolygonF({QPointF(1, 3), QPointF(5, 3), QPointF(6, 4.5), QPointF(12, 4.5), QPointF(12, 13),
                                 QPointF(1, 13)}));
  painter.setBrush(QColor(250, 215, 100));
  painter.drawPolygon(QPolygonF({QPointF(1, 13), QPointF(4, 7), QPointF(15, 7), QPointF(12, 13)}));
}

void DrawDisk(QPainter& painter) {
  painter.setPen(Outline());
  painter.setBrush(QColor(60, 90, 170));
  painter.drawPolygon(QPolygonF({QPointF(1.5, 1.5), QPointF(12.5, 1.5), QPointF(14.5, 3.5), QPointF(14.5, 14.5),
                                 QPointF(1.5, 14.5)}));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(4, 1.5, 8, 5));
  painter.setBrush(QColor(190, 190, 190));
  painter.drawRect(QRectF(4, 9.5, 8, 5));
  painter.setBrush(QColor(60, 90, 170));
  painter.drawRect(QRectF(9.5, 2.5, 1.5, 3));
}

void DrawQuestionMark(QPainter& painter) {
  QFont font;
  font.setBold(true);
  font.setPixelSize(14);
  painter.setFont(font);
  painter.setPen(QColor(30, 70, 170));
  painter.drawText(QRectF(0, 0, kGrid, kGrid), Qt::AlignCenter, QStringLiteral("?"));
}
}  // namespace

// The SVG that is also installed into the icon theme, so the icon has one source.
QIcon ProgramIcon() { return QIcon(QStringLiteral(":/icons/app.svg")); }
QIcon BlankPageImage() { return ToolbarImage(DrawBlankPage); }
QIcon OpenFolderImage() { return ToolbarImage(DrawOpenFolder); }
QIcon DiskImage() { return ToolbarImage(DrawDisk); }
QIcon QuestionMarkImage() { return ToolbarImage(DrawQuestionMark); }
