#pragma once

#include <QObject>
#include <QStringList>

class QSettings;

// The files opened or saved last, most recent first, at most maxEntries of
// them. They are read from the settings at construction and written back at
// every change, as "File1", "File2", ... in the section "Recent File List".
class RecentFileList : public QObject {
  Q_OBJECT
public:
  RecentFileList(QSettings& settings, int maxEntries);

  const QStringList& Entries() const { return m_entries; }
  int MaxEntries() const { return m_nMaxEntries; }

  // Puts path first; an older entry for the same file and entries beyond the
  // limit drop out.
  void Add(const QString& path);
  void Remove(const QString& path);

signals:
  void changed();

private:
  void Save();

  QSettings& m_settings;
  const int m_nMaxEntries;
  QStringList m_entries;
};
