#pragma once

#include <QMenu>
#include <QStringList>

class QHeaderView;

// The context menu of the Designs panel's header: an entry for every column,
// checked while it shows, that shows or hides it. The file's column always
// shows. Made for a header whose model is set.
class ColumnChooser : public QMenu {
  Q_OBJECT
public:
  explicit ColumnChooser(QHeaderView& header);

  // The headings of the columns that show, in the model's order.
  QStringList Shown() const;
  // Shows the columns of these headings and hides the others; headings that
  // name no column are passed over.
  void SetShown(const QStringList& headings);

signals:
  // The user showed or hid a column.
  void shownChanged(const QStringList& headings);

private:
  QHeaderView& m_header;
};
