#include "shell/designs/DesignSortProxy.h"

#include "shell/designs/DesignTableModel.h"

namespace {

bool IsEmpty(const QVariant& value) { return !value.isValid() || value.toString().isEmpty(); }

}  // namespace

DesignSortProxy::DesignSortProxy(QObject* parent) : QSortFilterProxyModel(parent) {
  setSortRole(DesignTableModel::kSortRole);
  setFilterKeyColumn(-1);
  setFilterCaseSensitivity(Qt::CaseInsensitive);
  setSortCaseSensitivity(Qt::CaseInsensitive);
}

void DesignSortProxy::SetOnlySharedTracks(bool only) {
  if (only == m_bOnlySharedTracks) return;
  m_bOnlySharedTracks = only;
  invalidateRowsFilter();
}

bool DesignSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const bool leftEmpty = IsEmpty(left.data(sortRole()));
  const bool rightEmpty = IsEmpty(right.data(sortRole()));
  // Sorting downwards takes the greater first: there an empty cell must count as the least.
  if (leftEmpty || rightEmpty) return leftEmpty != rightEmpty && leftEmpty == (sortOrder() == Qt::DescendingOrder);
  return QSortFilterProxyModel::lessThan(left, right);
}

bool DesignSortProxy::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  if (m_bOnlySharedTracks &&
      !sourceModel()->index(sourceRow, 0, sourceParent).data(DesignTableModel::kSharedTrackRole).toBool())
    return false;
  return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
}
