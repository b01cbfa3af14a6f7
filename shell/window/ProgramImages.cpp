#include "shell/window/ProgramImages.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace {
using Drawing = void (*)(QPainter&);

// Every image is drawn on a square of kGrid units and rendered at each size.
constexpr qreal kGrid = 16;
constexpr qreal kLineWidth = 1.25;

QIcon ToolbarImage(const QPalette& palette, Drawing draw) {
  QIcon icon;
  for (const auto& [group, mode] :
       {std::pair{QPalette::Active, QIcon::Normal}, {QPalette::Disabled, QIcon::Disabled}}) {
    const QColor ink = palette.color(group, QPalette::WindowText);
    for (const int size : {16, 24, 32, 48}) {
      QPixmap pixmap(size, size);
      pixmap.fill(Qt::transparent);
      QPainter painter(&pixmap);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.scale(size / kGrid, size / kGrid);
      painter.setPen(QPen(ink, kLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      painter.setBrush(ink);
      draw(painter);
      icon.addPixmap(pixmap, mode);
    }
  }
  return icon;
}

void DrawBlankPage(QPainter& painter) {
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(
      QPolygonF({QPointF(3.5, 1.5), QPointF(9.5, 1.5), QPointF(12.5, 4.5), QPointF(12.5, 14.5), QPointF(3.5, 14.5)}));
  painter.drawPolyline(QPolygonF({QPointF(9.5, 1.5), QPointF(9.5, 4.5), QPointF(12.5, 4.5)}));
}

void DrawOpenFolder(QPainter& painter) {
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(QPolygonF({QPointF(3, 13.5), QPointF(1.5, 13.5), QPointF(1.5, 3.5), QPointF(5.5, 3.5),
                                  QPointF(6.5, 5), QPointF(12.5, 5), QPointF(12.5, 7.5)}));
  painter.drawPolygon(QPolygonF({QPointF(1.5, 13.5), QPointF(4.5, 7.5), QPointF(14.5, 7.5), QPointF(11.5, 13.5)}));
}

// A disk from the top left corner to the edge, right and bottom, with its
// shutter and label; the sizes keep its lines on whole pixels at 16 pixels.
struct DiskSize {
  qreal edge;
  QRectF shutter, label;
};

void DrawDiskOf(QPainter& painter, const DiskSize& disk) {
  const qreal e = disk.edge;
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(
      QPolygonF({QPointF(1.5, 1.5), QPointF(e - 2.5, 1.5), QPointF(e, 4), QPointF(e, e), QPointF(1.5, e)}));
  painter.drawRect(disk.shutter);
  painter.drawRect(disk.label);
}

void DrawDisk(QPainter& painter) { DrawDiskOf(painter, {14.5, QRectF(4.5, 1.5, 6.5, 4), QRectF(4, 9, 8, 5.5)}); }

// Save As: a smaller disk and a pen writing a new name.
void DrawDiskAndPen(QPainter& painter) {
  painter.drawLine(QPointF(15, 8.5), QPointF(10, 13.5));
  painter.drawPolygon(QPolygonF({QPointF(10, 13.5), QPointF(8.5, 15), QPointF(9.2, 12.8)}));
  DrawDiskOf(painter, {11.5, QRectF(4, 1.5, 4, 3), QRectF(3.5, 7.5, 5, 4)});
}

void DrawQuestionMark(QPainter& painter) {
  QFont font;
  font.setBold(true);
  font.setPixelSize(14);
  painter.setFont(font);
  painter.drawText(QRectF(0, 0, kGrid, kGrid), Qt::AlignCenter, QStringLiteral("?"));
}
}  // namespace

// The SVG that is also installed into the icon theme, so the icon has one source.
QIcon ProgramIcon() { return QIcon(QStringLiteral(":/icons/app.svg")); }
QIcon BlankPageImage(const QPalette& palette) { return ToolbarImage(palette, DrawBlankPage); }
QIcon OpenFolderImage(const QPalette& palette) { return ToolbarImage(palette, DrawOpenFolder); }
QIcon DiskImage(const QPalette& palette) { return ToolbarImage(palette, DrawDisk); }
QIcon DiskAndPenImage(const QPalette& palette) { return ToolbarImage(palette, DrawDiskAndPen); }
QIcon QuestionMarkImage(const QPalette& palette) { return ToolbarImage(palette, DrawQuestionMark); }
