#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalog/SameTrack.h"

#include "shell/designs/DesignState.h"
#include "shell/designs/ProfileThumbnails.h"
#include "shell/designs/ScannedDesign.h"

// The designs of the Designs panel, one row each, kept in path order; a proxy
// sorts and filters them for the view. Numeric columns give numbers under
// kSortRole, so that they sort as numbers; the first column carries the
// design's state as an icon, and every cell of a row the state in words as
// its tooltip and, for screen readers, its description. A design's Same track
// names the first row in path order that shares its track.
class DesignTableModel : public QAbstractTableModel {
  Q_OBJECT
public:
  enum Column {
    FileName,
    Edition,
    Checksum,
    Segments,
    Lowest,
    Highest,
    Fits,
    RideType,
    Vehicle,
    OperatingMode,
    ChainLift,
    Reverse,
    Message,
    SameTrack,
    Profile,
    ColumnCount
  };
  static constexpr int kSortRole = Qt::UserRole;
  // A refused design's message, in every column; nothing for a loaded one.
  static constexpr int kRefusalRole = Qt::UserRole + 1;
  // Whether another row shares the design's track.
  static constexpr int kSharedTrackRole = Qt::UserRole + 2;

  // How many rows there are, how many of them fit and how many were refused.
  struct Counts {
    qsizetype designs = 0;
    qsizetype fit = 0;
    qsizetype refused = 0;
  };

  explicit DesignTableModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Takes new and changed designs: a path already shown has its row replaced,
  // others are inserted at their place in path order.
  void Put(std::vector<ScannedDesign>&& designs);
  // Drops the rows of these paths (sorted or not); paths not shown are ignored.
  void Remove(const std::vector<std::string>& paths);
  void Clear();
  // Makes room for more rows at once, so that a large folder's rows are not moved again and again.
  void Reserve(std::size_t more) { m_rows.reserve(m_rows.size() + more); }

  // The file of a row.
  const std::string& PathAt(int row) const { return m_rows[std::size_t(row)].summary.path; }
  // What the rows were made from, for finding what changed in the folder.
  KnownDesigns Known() const;
  const Counts& RowCounts() const { return m_counts; }
  // The pictures of the Profile column, made as rows are shown.
  const ProfileThumbnails& Profiles() const { return *m_pProfiles; }

signals:
  void countsChanged();

private:
  QVariant Text(const ScannedDesign& design, int column) const;
  QVariant SortKey(const ScannedDesign& design, int column) const;
  bool SharesTrack(const DesignSummary& summary) const;
  std::vector<ScannedDesign>::iterator Find(const std::string& path);
  // Adds a row's design to the counts and the tracks seen, in path order.
  void Count(DesignSummary& summary);
  // Counts every row and finds their tracks again, after a row moved among them.
  void Recount();

  std::vector<ScannedDesign> m_rows;
  Counts m_counts;
  ProfileThumbnails* m_pProfiles;
  SameTrackFinder m_sameTrack;
  // For each track key, how many rows have it.
  std::unordered_map<std::string, int> m_trackRows;
  // A style makes a new icon each time it is asked: one of each, made once.
  std::array<QIcon, kDesignStates> m_stateIcons;
};
