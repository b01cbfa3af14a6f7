#include "shell/platform/RecentFileList.h"

#include <QFile>
#include <QSettings>

#include "framework/FileAccess.h"
#include "shell/platform/AppSettings.h"

namespace {
QString EntryKey(int index) { return QStringLiteral("File%1").arg(index + 1); }

// The same name, or another name of the same file on disk.
bool SameFile(const QString& first, const QString& second) {
  return first == second ||
         IsSameFile(QFile::encodeName(first).toStdString(), QFile::encodeName(second).toStdString());
}
}  // namespace

RecentFileList::RecentFileList(QSettings& settings, int maxEntries) : m_settings(settings), m_nMaxEntries(maxEntries) {
  m_settings.beginGroup(QString::fromUtf8(kRecentFileSection));
  for (int i = 0; i < m_nMaxEntries; ++i) {
    const QString path = m_settings.value(EntryKey(i)).toString();
    if (!path.isEmpty()) m_entries << path;
  }
  m_settings.endGroup();
}

void RecentFileList::Add(const QString& path) {
  m_entries.removeIf([&](const QString& entry) { return SameFile(entry, path); });
  m_entries.prepend(path);
  while (m_entries.size() > m_nMaxEntries) m_entries.removeLast();
  Save();
}

void RecentFileList::Remove(const QString& path) {
  if (m_entries.removeAll(path) > 0) Save();
}

void RecentFileList::Save() {
  m_settings.beginGroup(QString::fromUtf8(kRecentFileSection));
  for (int i = 0; i < m_nMaxEntries; ++i) {
    if (i < m_entries.size())
      m_settings.setValue(EntryKey(i), m_entries[i]);
    else
      m_settings.remove(EntryKey(i));
  }
  m_settings.endGroup();
  // Kept at once, so that another copy of the program started now sees them.
  m_settings.sync();
  emit changed();
}
