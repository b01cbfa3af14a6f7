#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class RecentFileList;

// Shows the recent files in a menu in place of a greyed placeholder, numbered
// "&1 " to "&4 " before their paths, each with the prompt "Open this
// document". While the list is empty the placeholder shows instead.
class RecentFileMenu : public QObject {
  Q_OBJECT
public:
  RecentFileMenu(QMenu& menu, QAction& placeholder, const RecentFileList& list);

  // The entries' commands, shown or not, in the list's order.
  const QList<QAction*>& Actions() const { return m_actions; }

signals:
  void fileChosen(const QString& path);

private:
  void Update();

  QAction& m_placeholder;
  const RecentFileList& m_list;
  QList<QAction*> m_actions;
};
