#include "shell/designs/ProfileGridDelegate.h"

#include <QApplication>
#include <QPainter>

#include "shell/designs/DesignTableModel.h"

namespace {

constexpr int kMargin = 4;
constexpr int kNameCharacters = 20;
constexpr int kProfileHeight = ProfileThumbnails::kWidth * 3 / 4;

}  // namespace

QSize ProfileGridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  const int width = std::max(ProfileThumbnails::kWidth, option.fontMetrics.averageCharWidth() * kNameCharacters);
  return {width + 2 * kMargin, kProfileHeight + option.fontMetrics.height() + 3 * kMargin};
}

void ProfileGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  cell.text.clear();
  cell.icon = {};
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

  const QRect area = option.rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
  const QImage profile = index.siblingAtColumn(DesignTableModel::Profile).data(Qt::DecorationRole).value<QImage>();
  const QRect place(area.left() + (area.width() - ProfileThumbnails::kWidth) / 2, area.top(), ProfileThumbnails::kWidth,
                    kProfileHeight);
  if (!profile.isNull()) {
    painter->drawImage(place, profile);
  } else {
    // A refused design, or one whose picture is still being made: its state's icon.
    const QIcon state = index.siblingAtColumn(DesignTableModel::FileName).data(Qt::DecorationRole).value<QIcon>();
    state.paint(painter, place);
  }
  const QString name = index.siblingAtColumn(DesignTableModel::FileName).data().toString();
  const QRect text(area.left(), place.bottom() + kMargin, area.width(), option.fontMetrics.height());
  painter->save();
  painter->setPen(cell.palette.color(cell.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
  painter->drawText(text, Qt::AlignHCenter | Qt::AlignVCenter,
                    option.fontMetrics.elidedText(name, Qt::ElideMiddle, text.width()));
  painter->restore();
}
