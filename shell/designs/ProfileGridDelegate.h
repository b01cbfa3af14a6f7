#pragma once

#include <QStyledItemDelegate>

// A design of the Designs panel's grid: its profile, and its file's name
// under it, as a file manager's icon view shows files.
class ProfileGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
