#include "shell/designs/DesignTableModel.h"

#include <algorithm>
#include <limits>

#include "catalog/SummaryWords.h"

#include "shell/designs/RowTexts.h"

namespace {

const char* const kHeadings[] = {"File",      "Edition", "Checksum",       "Segments",   "Lowest",  "Highest", "Fits",
                                 "Ride type", "Vehicle", "Operating mode", "Chain lift", "Reverse", "Message",
                                 "Same track", "Profile"};
static_assert(std::size(kHeadings) == DesignTableModel::ColumnCount);

QVariant Number(const std::optional<std::int64_t>& value) { return value ? QVariant(qlonglong(*value)) : QVariant(); }

// "mirrored of shuttle.td4", "same as shuttle.td4"; empty for the first of its track.
QString SameTrackText(const DesignSummary& summary) {
  if (summary.sameTrackAs.empty()) return {};
  const QString first = DesignFileName(summary.sameTrackAs);
  if (summary.variant.empty()) return QStringLiteral("same as ") + first;
  return QString::fromStdString(StepWords(summary.variant)) + QStringLiteral(" of ") + first;
}

std::string KeyOf(const DesignSummary& summary) { return {summary.track.key.begin(), summary.track.key.end()}; }

bool ByPath(const ScannedDesign& design, const std::string& path) { return design.summary.path < path; }

}  // namespace

DesignTableModel::DesignTableModel(QObject* parent)
    : QAbstractTableModel(parent), m_pProfiles(new ProfileThumbnails(this)) {
  for (std::size_t state = 0; state < kDesignStates; ++state) m_stateIcons[state] = StateIcon(DesignState(state));
  connect(m_pProfiles, &ProfileThumbnails::ready, this, [this](const std::string& path) {
    const auto place = Find(path);
    if (place == m_rows.end() || place->summary.path != path) return;
    const int row = int(place - m_rows.begin());
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1), {Qt::DecorationRole});
  });
}

int DesignTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int DesignTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant DesignTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const ScannedDesign& design = m_rows[std::size_t(index.row())];
  const DesignSummary& summary = design.summary;
  switch (role) {
    case Qt::DisplayRole:
      return Text(design, index.column());
    case kSortRole:
      return SortKey(design, index.column());
    case Qt::DecorationRole:
      if (index.column() == FileName) return m_stateIcons[std::size_t(StateOf(summary))];
      if (index.column() == Profile && summary.loaded) return m_pProfiles->Find(summary.path, design.stamp);
      return {};
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:  // what a screen reader tells of the cell after its text
      return StateSentence(summary, SameTrackText(summary));
    case kRefusalRole:
      return summary.loaded ? QVariant() : design.texts.message;
    case kSharedTrackRole:
      return SharesTrack(summary);
    case Qt::TextAlignmentRole:
      if (index.column() == Segments || index.column() == Lowest || index.column() == Highest)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    default:
      return {};
  }
}

QVariant DesignTableModel::Text(const ScannedDesign& design, int column) const {
  const DesignSummary& summary = design.summary;
  const DesignTexts& texts = design.texts;
  if (column == FileName) return texts.fileName;
  if (column == Message) return texts.message;
  if (!summary.loaded) return {};
  switch (column) {
    case Edition:
      return texts.edition;
    case Checksum:
      return texts.checksum;
    case Segments:
      return summary.segments;
    case Lowest:
      return Number(summary.lowest);
    case Highest:
      return Number(summary.highest);
    case Fits:
      return texts.fits;
    case RideType:
      return texts.rideType;
    case Vehicle:
      return texts.vehicle;
    case OperatingMode:
      return texts.operatingMode;
    case ChainLift:
      return texts.chainLift;
    case Reverse:
      return texts.reverse;
    case SameTrack:
      return SameTrackText(summary);
    default:
      return {};
  }
}

// The fitting range sorts by its first starting elevation, then its last;
// "none" after every range, and a design that did not load after that.
QVariant DesignTableModel::SortKey(const ScannedDesign& design, int column) const {
  const DesignSummary& summary = design.summary;
  if (column == Fits) {
    if (!summary.loaded) return {};
    if (!summary.fit) return std::numeric_limits<qlonglong>::max();
    return qlonglong(summary.fit->first) * 100 + summary.fit->last;
  }
  return Text(design, column);
}

QVariant DesignTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount) return {};
  return QString::fromLatin1(kHeadings[section]);
}

bool DesignTableModel::SharesTrack(const DesignSummary& summary) const {
  if (!summary.loaded) return false;
  const auto rows = m_trackRows.find(KeyOf(summary));
  return rows != m_trackRows.end() && rows->second > 1;
}

void DesignTableModel::Count(DesignSummary& summary) {
  ++m_counts.designs;
  if (summary.Fits()) ++m_counts.fit;
  if (!summary.loaded) ++m_counts.refused;
  m_sameTrack.Place(summary);
  if (summary.loaded) ++m_trackRows[KeyOf(summary)];
}

void DesignTableModel::Recount() {
  m_counts = {};
  m_sameTrack = {};
  m_trackRows.clear();
  for (ScannedDesign& design : m_rows) Count(design.summary);
  // Any row's Same track may have changed: the first of a track may be gone or new.
  if (!m_rows.empty()) emit dataChanged(index(0, SameTrack), index(rowCount() - 1, SameTrack));
  emit countsChanged();
}

std::vector<ScannedDesign>::iterator DesignTableModel::Find(const std::string& path) {
  return std::lower_bound(m_rows.begin(), m_rows.end(), path, ByPath);
}

void DesignTableModel::Put(std::vector<ScannedDesign>&& designs) {
  // A folder's first scan comes in path order after every row: one insertion for all.
  if (!designs.empty() && (m_rows.empty() || m_rows.back().summary.path < designs.front().summary.path) &&
      std::ranges::is_sorted(designs, {},
                             [](const ScannedDesign& d) -> const std::string& { return d.summary.path; })) {
    // Later in path order than every row: no row before them changes its Same track.
    for (ScannedDesign& design : designs) Count(design.summary);
    beginInsertRows({}, rowCount(), rowCount() + int(designs.size()) - 1);
    std::ranges::move(designs, std::back_inserter(m_rows));
    endInsertRows();
    emit countsChanged();
    return;
  }
  for (ScannedDesign& design : designs) {
    const auto place = Find(design.summary.path);
    const int row = int(place - m_rows.begin());
    if (place != m_rows.end() && place->summary.path == design.summary.path) {
      *place = std::move(design);
      emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    } else {
      beginInsertRows({}, row, row);
      m_rows.insert(place, std::move(design));
      endInsertRows();
    }
  }
  Recount();
}

void DesignTableModel::Remove(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    const auto place = Find(path);
    if (place == m_rows.end() || place->summary.path != path) continue;
    const int row = int(place - m_rows.begin());
    beginRemoveRows({}, row, row);
    m_rows.erase(place);
    endRemoveRows();
  }
  if (!paths.empty()) Recount();
}

void DesignTableModel::Clear() {
  beginResetModel();
  m_rows.clear();
  endResetModel();
  Recount();
}

KnownDesigns DesignTableModel::Known() const {
  KnownDesigns known;
  known.reserve(m_rows.size());
  for (const ScannedDesign& design : m_rows) known.emplace_back(design.summary.path, design.stamp);
  return known;
}
