#include "shell/window/RecentFileMenu.h"

#include <QAction>
#include <QDir>
#include <QMenu>

#include "shell/platform/RecentFileList.h"

namespace {
// Long enough for most paths, short enough to keep the File menu narrow.
constexpr int kMaxShownLength = 48;

// A path as the menu shows it: a long one keeps its start and as many of its
// last parts as fit, always the file name, with "..." in between.
QString AbbreviatedPath(const QString& path, int maxLength) {
  const QString shown = QDir::toNativeSeparators(path);
  if (shown.size() <= maxLength) return shown;
  const QChar separator = QDir::separator();
  QStringList parts = shown.split(separator);
  QString tail = parts.takeLast();
  const QString head = parts.takeFirst() + separator + QStringLiteral("...") + separator;
  while (!parts.isEmpty() && head.size() + parts.last().size() + 1 + tail.size() <= maxLength)
    tail = parts.takeLast() + separator + tail;
  return parts.isEmpty() ? shown : head + tail;
}
}  // namespace

RecentFileMenu::RecentFileMenu(QMenu& menu, QAction& placeholder, const RecentFileList& list)
    : QObject(&menu), m_placeholder(placeholder), m_list(list) {
  // The same commands are reused, so that one may change the list while it runs.
  for (int i = 0; i < list.MaxEntries(); ++i) {
    auto* entry = new QAction(this);
    entry->setStatusTip(QStringLiteral("Open this document"));
    connect(entry, &QAction::triggered, this, [this, entry] { emit fileChosen(entry->data().toString()); });
    menu.insertAction(&placeholder, entry);
    m_actions << entry;
  }
  connect(&list, &RecentFileList::changed, this, &RecentFileMenu::Update);
  Update();
}

void RecentFileMenu::Update() {
  const QStringList& entries = m_list.Entries();
  for (int i = 0; i < m_actions.size(); ++i) {
    QAction* entry = m_actions[i];
    const bool shown = i < entries.size();
    entry->setVisible(shown);
    if (!shown) continue;
    // A "&" of the path is shown as such, not taken for a mnemonic.
    QString text = AbbreviatedPath(entries[i], kMaxShownLength);
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(text));
    entry->setData(entries[i]);
  }
  m_placeholder.setVisible(entries.isEmpty());
}
