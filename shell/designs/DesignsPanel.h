#pragma once

#include <QDockWidget>
#include <QFileSystemWatcher>
#include <QTimer>
#include <vector>

#include "shell/designs/ScannedDesign.h"

class ColumnChooser;
class DesignSortProxy;
class DesignTableModel;
class FolderScan;
class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStatusBar;
class QTableView;

// The dockable Designs panel: every design of a folder with its summary, in a
// table the user sorts by any column and filters with a text found in any of
// them. The folder is read on worker threads, with its progress and a Cancel
// button in the status bar (Esc in the panel cancels too), and followed
// afterwards: designs added, changed or removed update their rows. Enter or a
// double-click on a row asks for its design to be opened. A line under the
// table counts the designs, and tells when a scan was cancelled.
class DesignsPanel : public QDockWidget {
  Q_OBJECT
public:
  DesignsPanel(QStatusBar& statusBar, QWidget* parent);

  // Shows the panel with the designs of folder; a scan still running stops.
  void OpenFolder(const QString& folder);
  const QString& Folder() const { return m_strFolder; }

  // Wide enough for the first columns, in the desktop's font, where the window docks it at first.
  QSize sizeHint() const override;

  // Stops reading the folder; the rows already in stay.
  void CancelScan();
  bool IsScanning() const { return m_pScan != nullptr; }

  DesignTableModel& Model() const { return *m_pModel; }
  DesignSortProxy& Proxy() const { return *m_pProxy; }
  QTableView& Table() const { return *m_pTable; }
  // The same rows as a grid of profiles with their names.
  QListView& Grid() const { return *m_pGrid; }
  // Checked, the grid shows in the table's place.
  QAction& GridView() const { return *m_pGridView; }
  QLineEdit& FilterField() const { return *m_pFilter; }
  // The filter field's menu entry that keeps only the designs whose track another row has.
  QAction& OnlySharedTracks() const { return *m_pOnlySharedTracks; }
  // The header's menu of columns to show.
  ColumnChooser& Columns() const { return *m_pColumns; }
  // "2,000 designs · 1,412 fit · 37 refused · 12 shown".
  QLabel& Counts() const { return *m_pCounts; }
  // "Scan cancelled: 1,568 of 50,000 read" after a cancelled scan, until the next one.
  QLabel& ScanOutcome() const { return *m_pScanOutcome; }
  // The status bar's progress text while scanning.
  QLabel& Progress() const { return *m_pProgress; }

signals:
  void folderOpened(const QString& folder);
  // The user chose the design at path to open.
  void designChosen(const QString& path);
  // The scan ended, finished or cancelled.
  void scanEnded();

protected:
  // The filter's placeholder follows the palette.
  void changeEvent(QEvent* event) override;

private:
  void KeepPlaceholderLegible();
  // Reads what changed in the folder since the rows were made.
  void Scan(KnownDesigns known);
  // Cancels the running scan, if any; it goes with the next turn of the event loop.
  void DropScan();
  void EndScan();
  // Watches the files of new rows too, up to a limit, for changes written in place.
  void WatchFiles(const std::vector<ScannedDesign>& designs);
  void WatchSome();
  void ShowProgress(qsizetype done);
  void ShowCounts();
  void ChooseDesign(const QModelIndex& shown);
  // Rows as high as a profile while the Profile column shows.
  void FitRowHeight();
  void ShowFilterMenu(const QPoint& at);

  QString m_strFolder;
  DesignTableModel* m_pModel;
  DesignSortProxy* m_pProxy;
  QTableView* m_pTable;
  QListView* m_pGrid;
  QAction* m_pGridView;
  QLineEdit* m_pFilter;
  QAction* m_pOnlySharedTracks;
  ColumnChooser* m_pColumns = nullptr;
  QLabel* m_pCounts;
  QLabel* m_pScanOutcome;
  QLabel* m_pProgress;
  QPushButton* m_pCancel;
  FolderScan* m_pScan = nullptr;
  qsizetype m_nScanTotal = 0;
  qsizetype m_nScanDone = 0;
  QFileSystemWatcher m_watcher;
  // A copy or an unpacked archive changes the folder many times in a row: it is read again once it is quiet.
  QTimer m_rescan;
  QStringList m_unwatched;  // files of rows to be watched
  QTimer m_watchSome;
};
