#pragma once

#include <QSortFilterProxyModel>

// Orders and filters the Designs panel's rows: empty cells come last whichever
// way a column is sorted, so that the designs that have a value lead; the
// filter keeps the rows that hold its text in any column and, when asked, only
// the designs whose track another row has.
class DesignSortProxy : public QSortFilterProxyModel {
  Q_OBJECT
public:
  explicit DesignSortProxy(QObject* parent = nullptr);

  void SetOnlySharedTracks(bool only);
  bool OnlySharedTracks() const { return m_bOnlySharedTracks; }

protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
  bool m_bOnlySharedTracks = false;
};
