#include "shell/designs/RefusalDelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>

#include "shell/designs/DesignTableModel.h"

RefusalDelegate::RefusalDelegate(const QHeaderView& header, QObject* parent)
    : QStyledItemDelegate(parent), m_header(header) {}

int RefusalDelegate::MessageLeft() const {
  for (int visual = m_header.visualIndex(DesignTableModel::FileName) + 1; visual < m_header.count(); ++visual)
    if (const int section = m_header.logicalIndex(visual); !m_header.isSectionHidden(section))
      return m_header.sectionViewportPosition(section);
  return m_header.viewport()->width();
}

void RefusalDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QString message = index.data(DesignTableModel::kRefusalRole).toString();
  const int left = MessageLeft();
  if (message.isEmpty() || option.rect.right() < left) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  cell.text.clear();
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

  QRect line = option.rect;
  line.setLeft(left);
  line.setRight(m_header.viewport()->width());
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
  line.adjust(margin, 0, -margin, 0);
  const bool selected = cell.state & QStyle::State_Selected;
  painter->save();
  painter->setClipRect(option.rect);
  painter->setFont(cell.font);
  painter->setPen(cell.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter->drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                    cell.fontMetrics.elidedText(message, Qt::ElideRight, line.width()));
  painter->restore();
}
