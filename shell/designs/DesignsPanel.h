#pragma once

#include <QDockWidget>
#include <QFileSystemWatcher>
#include <QTimer>
#include <vector>

#include "shell/designs/ScannedDesign.h"

class DesignTableModel;
class FolderScan;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStatusBar;
class QTableView;

// The dockable Designs panel: every design of a folder with its summary, in a
// table the user sorts by any column and filters with a text found in any of
// them. The folder is read on worker threads, with its progress and a Cancel
// button in the status bar (Esc in the panel cancels too), and followed
// afterwards: designs added, changed or removed update their rows. Enter or a
// double-click on a row asks for its design to be opened.
class DesignsPanel : public QDockWidget {
  Q_OBJECT
public:
  DesignsPanel(QStatusBar& statusBar, QWidget* parent);
  ~DesignsPanel() override;

  // Shows the panel with the designs of folder; a scan still running stops.
  void OpenFolder(const QString& folder);
  const QString& Folder() const { return m_strFolder; }

  // Stops reading the folder; the rows already in stay.
  void CancelScan();
  bool IsScanning() const { return m_pScan != nullptr; }

  DesignTableModel& Model() const { return *m_pModel; }
  QSortFilterProxyModel& Proxy() const { return *m_pProxy; }
  QTableView& Table() const { return *m_pTable; }
  QLineEdit& FilterField() const { return *m_pFilter; }
  // The status bar's progress text while scanning.
  QLabel& Progress() const { return *m_pProgress; }

signals:
  void folderOpened(const QString& folder);
  // The user chose the design at path to open.
  void designChosen(const QString& path);
  // The scan ended, finished or cancelled.
  void scanEnded();

private:
  // Reads what changed in the folder since the rows were made.
  void Scan(KnownDesigns known);
  void EndScan();
  // Watches the files of new rows too, up to a limit, for changes written in place.
  void WatchFiles(const std::vector<ScannedDesign>& designs);
  void WatchSome();
  void ShowProgress(qsizetype done);

  QString m_strFolder;
  DesignTableModel* m_pModel;
  QSortFilterProxyModel* m_pProxy;
  QTableView* m_pTable;
  QLineEdit* m_pFilter;
  QLabel* m_pProgress;
  QPushButton* m_pCancel;
  FolderScan* m_pScan = nullptr;
  qsizetype m_nScanTotal = 0;
  QFileSystemWatcher m_watcher;
  // A copy or an unpacked archive changes the folder many times in a row: it is read again once it is quiet.
  QTimer m_rescan;
  QStringList m_unwatched;  // files of rows to be watched
  QTimer m_watchSome;
};
