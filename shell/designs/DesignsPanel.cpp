#include "shell/designs/DesignsPanel.h"

#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QToolButton>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "render/Legibility.h"
#include "shell/designs/ColumnChooser.h"
#include "shell/designs/DesignSortProxy.h"
#include "shell/designs/DesignTableModel.h"
#include "shell/designs/FolderScan.h"
#include "shell/designs/ProfileGridDelegate.h"
#include "shell/designs/RefusalDelegate.h"
#include "shell/window/FocusFrame.h"

namespace {
constexpr int kQuietMilliseconds = 200;
constexpr int kMeasuredRows = 24;
// A file written over in place tells its own watch, not its folder's. The
// system keeps a watch per file, so only this many designs are watched one by
// one; the others are looked at again whenever the folder itself changes.
constexpr qsizetype kWatchedFilesAtMost = 2000;
// Each new watch costs a look at the file: they are added a few at a time, so
// that the window stays responsive.
constexpr qsizetype kWatchedPerBatch = 128;
constexpr int kWatchPauseMilliseconds = 10;

// The columns a new user sees, in this order; the header's menu shows the others.
constexpr DesignTableModel::Column kFirstColumns[] = {DesignTableModel::FileName, DesignTableModel::Fits,
                                                     DesignTableModel::Segments, DesignTableModel::RideType,
                                                     DesignTableModel::SameTrack};

// About as many characters as the first columns and the counts line take.
constexpr int kHintCharacters = 100;

// Counts as "2,000", whatever the desktop's language, like the panel's other words.
QString Counted(qsizetype count) { return QLocale(QLocale::English).toString(qlonglong(count)); }
}  // namespace

DesignsPanel::DesignsPanel(QStatusBar& statusBar, QWidget* parent)
    : QDockWidget(QStringLiteral("Designs"), parent),
      m_pModel(new DesignTableModel(this)),
      m_pProxy(new DesignSortProxy(this)),
      m_pTable(new QTableView),
      m_pGrid(new QListView),
      m_pGridView(new QAction(QStringLiteral("Grid"), this)),
      m_pFilter(new QLineEdit),
      m_pOnlySharedTracks(new QAction(QStringLiteral("only designs that share their track"), this)),
      m_pCounts(new QLabel),
      m_pScanOutcome(new QLabel),
      m_pProgress(new QLabel(&statusBar)),
      m_pCancel(new QPushButton(QStringLiteral("Cancel"), &statusBar)) {
  setObjectName(QStringLiteral("DesignsPanel"));
  m_pProxy->setSourceModel(m_pModel);

  m_pTable->setModel(m_pProxy);
  m_pTable->setSortingEnabled(true);
  m_pTable->sortByColumn(DesignTableModel::FileName, Qt::AscendingOrder);
  m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
  m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Tab leaves the table for the window's other parts; the arrow keys move inside it.
  m_pTable->setTabKeyNavigation(false);
  m_pTable->setAccessibleName(QStringLiteral("Designs"));
  m_pTable->setWordWrap(false);
  // The end of a name tells designs apart more often than its start.
  m_pTable->setTextElideMode(Qt::ElideMiddle);
  m_pTable->setItemDelegate(new RefusalDelegate(*m_pTable->horizontalHeader(), m_pTable));
  m_pTable->verticalHeader()->hide();
  // Rows of one height spare the view from measuring each of a folder's many rows.
  m_pTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  // Measuring a column's widest text is costly: a few rows tell enough.
  m_pTable->horizontalHeader()->setResizeContentsPrecision(kMeasuredRows);
  m_pTable->verticalHeader()->setResizeContentsPrecision(kMeasuredRows);
  m_pTable->horizontalHeader()->setStretchLastSection(true);
  QHeaderView& header = *m_pTable->horizontalHeader();
  for (int place = 0; place < int(std::size(kFirstColumns)); ++place)
    header.moveSection(header.visualIndex(kFirstColumns[place]), place);
  // Shown, the profiles come right after the names: at the end they would be
  // past the panel's first width.
  header.moveSection(header.visualIndex(DesignTableModel::Profile), header.visualIndex(DesignTableModel::FileName) + 1);
  m_pColumns = new ColumnChooser(header);
  QStringList firstColumns;
  for (const DesignTableModel::Column column : kFirstColumns)
    firstColumns << m_pModel->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
  m_pColumns->SetShown(firstColumns);
  connect(m_pTable, &QAbstractItemView::activated, this, &DesignsPanel::ChooseDesign);
  connect(m_pTable->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section) {
    if (section == DesignTableModel::Profile) FitRowHeight();
  });
  FitRowHeight();

  m_pGrid->setModel(m_pProxy);
  m_pGrid->setModelColumn(DesignTableModel::FileName);
  m_pGrid->setViewMode(QListView::IconMode);
  m_pGrid->setMovement(QListView::Static);
  m_pGrid->setResizeMode(QListView::Adjust);
  m_pGrid->setUniformItemSizes(true);
  m_pGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  m_pGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_pGrid->setItemDelegate(new ProfileGridDelegate(m_pGrid));
  connect(m_pGrid, &QAbstractItemView::activated, this, &DesignsPanel::ChooseDesign);
  m_pGrid->hide();
  m_pGridView->setCheckable(true);
  m_pGridView->setToolTip(QStringLiteral("Show the designs as a grid of profiles"));
  connect(m_pGridView, &QAction::toggled, this, [this](bool grid) {
    m_pTable->setVisible(!grid);
    m_pGrid->setVisible(grid);
  });

  m_pFilter->setPlaceholderText(QStringLiteral("Filter"));
  KeepPlaceholderLegible();
  m_pFilter->setAccessibleName(QStringLiteral("Filter designs"));
  m_pFilter->setClearButtonEnabled(true);
  // The field's one button clears it: an icon alone, with a name for screen readers.
  if (auto* clear = m_pFilter->findChild<QToolButton*>()) clear->setAccessibleName(QStringLiteral("Clear filter"));
  connect(m_pFilter, &QLineEdit::textChanged, m_pProxy, &QSortFilterProxyModel::setFilterFixedString);
  m_pOnlySharedTracks->setCheckable(true);
  connect(m_pOnlySharedTracks, &QAction::toggled, m_pProxy, &DesignSortProxy::SetOnlySharedTracks);
  m_pFilter->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_pFilter, &QWidget::customContextMenuRequested, this, &DesignsPanel::ShowFilterMenu);

  connect(m_pModel, &DesignTableModel::countsChanged, this, &DesignsPanel::ShowCounts);
  for (const auto shownChanged : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    connect(m_pProxy, shownChanged, this, &DesignsPanel::ShowCounts);
  connect(m_pProxy, &QAbstractItemModel::modelReset, this, &DesignsPanel::ShowCounts);
  connect(m_pProxy, &QAbstractItemModel::layoutChanged, this, &DesignsPanel::ShowCounts);
  ShowCounts();

  auto* contents = new QWidget;
  auto* layout = new QVBoxLayout(contents);
  layout->setContentsMargins(2, 2, 2, 2);
  auto* filterLine = new QHBoxLayout;
  filterLine->addWidget(m_pFilter, 1);
  auto* gridButton = new QToolButton;
  gridButton->setDefaultAction(m_pGridView);
  // Tab goes from the filter to the rows, as before there was a grid.
  gridButton->setFocusPolicy(Qt::NoFocus);
  filterLine->addWidget(gridButton);
  layout->addLayout(filterLine);
  layout->addWidget(m_pTable);
  layout->addWidget(m_pGrid);
  // With large text the line wraps rather than widen the panel past the screen.
  m_pCounts->setWordWrap(true);
  m_pScanOutcome->setWordWrap(true);
  auto* countsLine = new QHBoxLayout;
  countsLine->addWidget(m_pCounts, 1);
  countsLine->addWidget(m_pScanOutcome);
  layout->addLayout(countsLine);
  setWidget(contents);
  ShowFocusFrame(*m_pTable);

  auto* cancelKey = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &DesignsPanel::CancelScan);
  cancelKey->setContext(Qt::WidgetWithChildrenShortcut);
  statusBar.addPermanentWidget(m_pProgress);
  statusBar.addPermanentWidget(m_pCancel);
  m_pProgress->hide();
  m_pCancel->hide();
  m_pCancel->setToolTip(QStringLiteral("Stop reading the folder"));
  connect(m_pCancel, &QPushButton::clicked, this, &DesignsPanel::CancelScan);

  m_rescan.setSingleShot(true);
  m_rescan.setInterval(kQuietMilliseconds);
  connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_rescan, qOverload<>(&QTimer::start));
  connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_rescan, qOverload<>(&QTimer::start));
  connect(&m_rescan, &QTimer::timeout, this, [this] { Scan(m_pModel->Known()); });
  m_watchSome.setSingleShot(true);
  m_watchSome.setInterval(kWatchPauseMilliseconds);
  connect(&m_watchSome, &QTimer::timeout, this, &DesignsPanel::WatchSome);
}

QSize DesignsPanel::sizeHint() const {
  const QSize hint = QDockWidget::sizeHint();
  return {std::max(hint.width(), fontMetrics().averageCharWidth() * kHintCharacters), hint.height()};
}

void DesignsPanel::changeEvent(QEvent* event) {
  QDockWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) KeepPlaceholderLegible();
}

// Only the placeholder is the field's own; its other colours are still the panel's.
void DesignsPanel::KeepPlaceholderLegible() {
  QPalette placeholder;
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    placeholder.setColor(group, QPalette::PlaceholderText, LegiblePlaceholder(palette(), group));
  m_pFilter->setPalette(placeholder);
}

void DesignsPanel::OpenFolder(const QString& folder) {
  CancelScan();
  m_rescan.stop();
  for (const QStringList& watched : {m_watcher.directories(), m_watcher.files()})
    if (!watched.isEmpty()) m_watcher.removePaths(watched);
  m_unwatched.clear();
  m_strFolder = folder;
  m_pModel->Clear();
  m_watcher.addPath(folder);
  setWindowTitle(QStringLiteral("Designs - ") + folder);
  // Docked from hidden, the window would give it the width it had: the first columns need more.
  if (auto* window = qobject_cast<QMainWindow*>(parentWidget()); window && isHidden() && !isFloating()) {
    show();
    window->resizeDocks({this}, {sizeHint().width()}, Qt::Horizontal);
  }
  show();
  raise();
  Scan({});
  emit folderOpened(folder);
}

void DesignsPanel::Scan(KnownDesigns known) {
  DropScan();
  m_pScanOutcome->clear();
  m_pScan = new FolderScan(m_strFolder, std::move(known), this);
  connect(m_pScan, &FolderScan::listed, this, [this](const std::vector<std::string>& gone, qsizetype total) {
    m_pModel->Remove(gone);
    m_pModel->Reserve(std::size_t(total));
    m_nScanTotal = total;
    ShowProgress(0);
  });
  connect(m_pScan, &FolderScan::summarised, this, [this](std::vector<ScannedDesign>& batch, qsizetype done) {
    WatchFiles(batch);
    const bool first = m_pModel->rowCount() == 0;
    m_pModel->Put(std::move(batch));
    // The columns take the width of the first rows; the view measures only those it shows.
    if (first) m_pTable->resizeColumnsToContents();
    ShowProgress(done);
  });
  connect(m_pScan, &FolderScan::finished, this, &DesignsPanel::EndScan);
}

void DesignsPanel::WatchFiles(const std::vector<ScannedDesign>& designs) {
  qsizetype room = kWatchedFilesAtMost - m_watcher.files().size() - m_unwatched.size();
  for (auto design = designs.begin(); design != designs.end() && room > 0; ++design, --room)
    m_unwatched << QFile::decodeName(design->summary.path.c_str());
  if (!m_unwatched.isEmpty()) m_watchSome.start();
}

void DesignsPanel::WatchSome() {
  const QStringList watched = m_watcher.files();
  const QSet<QString> known(watched.begin(), watched.end());
  QStringList paths;
  while (!m_unwatched.isEmpty() && paths.size() < kWatchedPerBatch)
    if (QString path = m_unwatched.takeFirst(); !known.contains(path)) paths << std::move(path);
  if (!paths.isEmpty()) m_watcher.addPaths(paths);
  if (!m_unwatched.isEmpty()) m_watchSome.start();
}

void DesignsPanel::ShowProgress(qsizetype done) {
  m_nScanDone = done;
  // A look that finds nothing changed has nothing to count.
  if (m_nScanTotal == 0) return;
  m_pProgress->setText(QStringLiteral("Scanning... %1 of %2").arg(done).arg(m_nScanTotal));
  m_pProgress->show();
  m_pCancel->show();
}

void DesignsPanel::ChooseDesign(const QModelIndex& shown) {
  emit designChosen(QFile::decodeName(m_pModel->PathAt(m_pProxy->mapToSource(shown).row()).c_str()));
}

void DesignsPanel::FitRowHeight() {
  const int text = m_pTable->fontMetrics().height() + 6;
  const bool profiles = !m_pTable->horizontalHeader()->isSectionHidden(DesignTableModel::Profile);
  m_pTable->verticalHeader()->setDefaultSectionSize(
      profiles ? std::max(text, ProfileThumbnails::kWidth * 3 / 4 + 4) : text);
}

void DesignsPanel::ShowCounts() {
  const DesignTableModel::Counts& counts = m_pModel->RowCounts();
  m_pCounts->setText(QStringLiteral("%1 %2 · %3 fit · %4 refused · %5 shown")
                         .arg(Counted(counts.designs), counts.designs == 1 ? QStringLiteral("design") : QStringLiteral("designs"),
                              Counted(counts.fit), Counted(counts.refused), Counted(m_pProxy->rowCount())));
}

void DesignsPanel::ShowFilterMenu(const QPoint& at) {
  QMenu* menu = m_pFilter->createStandardContextMenu();
  menu->addSeparator();
  menu->addAction(m_pOnlySharedTracks);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(m_pFilter->mapToGlobal(at));
}

void DesignsPanel::CancelScan() {
  if (!m_pScan) return;
  DropScan();
  if (m_nScanTotal > 0)
    m_pScanOutcome->setText(
        QStringLiteral("Scan cancelled: %1 of %2 read").arg(Counted(m_nScanDone), Counted(m_nScanTotal)));
  EndScan();
}

void DesignsPanel::DropScan() {
  // Also called from the scan's own signal: it is deleted once that has returned.
  if (FolderScan* scan = std::exchange(m_pScan, nullptr)) {
    scan->Cancel();
    scan->deleteLater();
  }
}

void DesignsPanel::EndScan() {
  DropScan();
  m_nScanTotal = 0;
  m_pProgress->hide();
  m_pCancel->hide();
  emit scanEnded();
}
