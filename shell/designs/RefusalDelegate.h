#pragma once

#include <QStyledItemDelegate>

class QHeaderView;

// Paints a refused design's message across the cells after its file's name,
// which a refused design leaves empty, so that the reason reads whichever
// columns show and however narrow they are. Each cell paints its own part of
// the one line, so that a selected row stays whole.
class RefusalDelegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  RefusalDelegate(const QHeaderView& header, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
  // Where the message line starts: the first column shown after the file's.
  int MessageLeft() const;

  const QHeaderView& m_header;
};
