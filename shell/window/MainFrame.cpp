#include "shell/window/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QSplitter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>

#include "framework/AppInfo.h"
#include "listing/ElevationProfile.h"
#include "shell/window/DecoderView.h"
#include "shell/window/KeysMenu.h"
#include "shell/designs/DesignsPanel.h"
#include "shell/window/FitText.h"
#include "shell/platform/FileDialogs.h"
#include "shell/window/ListingWords.h"
#include "shell/window/LockIndicators.h"
#include "shell/window/PartFocus.h"
#include "shell/window/ProfileStrip.h"
#include "shell/window/ProgramImages.h"
#include "shell/window/SegmentListBox.h"

namespace {
FileDialogRequest DesignFileDialog(QString initialName = {}) {
  return {{},
          {QStringLiteral("TivoraTrack Definition Files (*.td4)"), QStringLiteral("All Files (*.*)")},
          QStringLiteral("td4"),
          std::move(initialName)};
}

// The desktop theme's image where it has one, else the program's own.
QIcon ThemeIcon(const char* name, const QIcon& fallback) { return QIcon::fromTheme(QString::fromLatin1(name), fallback); }
}  // namespace

CMainFrame::CMainFrame(IFileDialogs& fileDialogs)
    : m_fileDialogs(fileDialogs),
      m_pView(new CDecoderView(m_document, m_undoStack, this)),
      m_pProfileStrip(new CProfileStrip(this)),
      m_pPanes(new QSplitter(Qt::Vertical, this)) {
  // The profile keeps its height; the list takes what the window gains. When
  // room runs short the list keeps its lines and the profile gives way, and
  // the user may drag it shut.
  m_pPanes->setObjectName(QStringLiteral("Panes"));
  m_pPanes->addWidget(m_pView);
  m_pPanes->addWidget(m_pProfileStrip);
  m_pPanes->setStretchFactor(0, 1);
  m_pPanes->setCollapsible(0, false);
  m_pPanes->setCollapsible(1, true);
  setCentralWidget(m_pPanes);
  CreateStatusBar();
  CreateDesignsPanel();
  CreateMenus();
  CreateToolBar();
  RouteCommands();
  LinkProfileStrip();
  new PartFocus(*this, {m_pView, m_pProfileStrip, m_pDesignsPanel});
  FitMinimumToScreen();
  UpdateCaption();
  UpdateCommandUI();
}

// On a small screen, or with large text scaling it down, a desktop panel must
// still leave the status bar (with the scan's Cancel) in sight. The list gives
// up lines beyond its fewest only where the window could not get that small;
// where even its fewest are too many, the profile gives up its smallest plot
// and the list takes back the lines that then fit; the form's fields, last,
// give up rows, which then scroll.
void CMainFrame::FitMinimumToScreen() {
  const int room = screen()->geometry().height() * 9 / 10;
  FitLayoutInto(room);
  // Never below what the layout needs, or a window manager could cut its parts off.
  setMinimumSize(QSize(kMinWidth, std::min(kMinHeight, room)).expandedTo(layout()->totalMinimumSize()));
}

void CMainFrame::FitLayoutInto(int room) {
  const auto fits = [this, room] {
    // The window's layout keeps the panes' last minimum until told.
    m_pPanes->updateGeometry();
    layout()->invalidate();
    return layout()->totalMinimumSize().height() <= room;
  };
  m_pView->SetMinFieldRows(CDecoderView::kFieldRows);
  for (const bool profileMayShrinkAway : {false, true}) {
    m_pProfileStrip->SetMayShrinkAway(profileMayShrinkAway);
    for (int lines = CDecoderView::kMinListedLines; lines >= CDecoderView::kFewestListedLines; --lines) {
      m_pView->SetMinListedLines(lines);
      if (fits()) return;
    }
  }
  for (int rows = CDecoderView::kFieldRows - 1; rows >= 1; --rows) {
    m_pView->SetMinFieldRows(rows);
    if (fits()) return;
  }
}

// The panel is hidden again as the window's base deletes it, when this is no
// longer a CMainFrame: nothing of it may answer then.
CMainFrame::~CMainFrame() { m_pDesignsPanel->disconnect(this); }

void CMainFrame::FitMinimumLater() { QTimer::singleShot(0, this, &CMainFrame::FitMinimumToScreen); }

void CMainFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // After the form has spaced itself for the new font.
  if (event->type() == QEvent::FontChange) FitMinimumLater();
  if (event->type() == QEvent::PaletteChange) SetCommandIcons();
}

QMenu* CMainFrame::AddMenu(const char* title) {
  auto* menu = new KeysMenu(QString::fromUtf8(title), this);
  menuBar()->addMenu(menu);
  return menu;
}

void CMainFrame::CreateMenus() {
  m_pFileMenu = AddMenu("&File");
  m_pFileMenu->addActions({m_commands.fileNew, m_commands.fileOpen, m_commands.fileOpenFolder, m_commands.fileSave,
                           m_commands.fileSaveAs, m_commands.fileExport});
  m_pFileMenu->addSeparator();
  m_pFileMenu->addAction(m_commands.fileRecentFile);
  m_pFileMenu->addSeparator();
  m_pFileMenu->addAction(m_commands.appExit);

  QMenu* edit = AddMenu("&Edit");
  edit->addActions({m_commands.editUndo, m_commands.editRedo});
  edit->addSeparator();
  edit->addActions({m_commands.editSetElevation, m_commands.editMirrorTrack, m_commands.editReverseTrack});

  QMenu* view = AddMenu("&View");
  view->addActions({m_commands.viewToolbar, m_commands.viewStatusBar, m_commands.viewElevationProfile,
                    m_pDesignsPanel->toggleViewAction()});

  QMenu* help = AddMenu("&Help");
  help->addAction(m_commands.appAbout);

  // As a menu opens, its items show what the document allows right now.
  for (QMenu* menu : {m_pFileMenu, edit, view, help})
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
}

// The program's own images are drawn in the palette's colours, so they are made again when it changes.
void CMainFrame::SetCommandIcons() {
  const QPalette& colours = palette();
  m_commands.fileNew->setIcon(ThemeIcon("document-new", BlankPageImage(colours)));
  m_commands.fileOpen->setIcon(ThemeIcon("document-open", OpenFolderImage(colours)));
  m_commands.fileSave->setIcon(ThemeIcon("document-save", DiskImage(colours)));
  m_commands.fileSaveAs->setIcon(ThemeIcon("document-save-as", DiskAndPenImage(colours)));
  m_commands.editUndo->setIcon(QIcon::fromTheme(QStringLiteral("edit-undo")));
  m_commands.editRedo->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo")));
  m_commands.appAbout->setIcon(ThemeIcon("help-about", QuestionMarkImage(colours)));
}

void CMainFrame::CreateToolBar() {
  SetCommandIcons();
  m_wndToolBar = addToolBar(QStringLiteral("Toolbar"));
  m_wndToolBar->setObjectName(QStringLiteral("Toolbar"));
  m_wndToolBar->setMovable(true);
  m_wndToolBar->setFloatable(true);
  m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
  m_wndToolBar->setIconSize(QSize(16, 16));
  m_wndToolBar->addActions({m_commands.fileNew, m_commands.fileOpen, m_commands.fileSave, m_commands.fileSaveAs});
  m_wndToolBar->addSeparator();
  m_wndToolBar->addAction(m_commands.appAbout);
}

void CMainFrame::CreateStatusBar() {
  // The message pane reads "Ready" unless a command's prompt covers it.
  statusBar()->addWidget(new QLabel(QStringLiteral("Ready"), statusBar()), 1);
  new LockIndicators(*statusBar());
}

void CMainFrame::CreateDesignsPanel() {
  m_pDesignsPanel = new DesignsPanel(*statusBar(), this);
  // Beside the form rather than under it: the window's height goes to the
  // segment list and the profile on one side and to the panel's rows on the other.
  addDockWidget(Qt::RightDockWidgetArea, m_pDesignsPanel);
  m_pDesignsPanel->hide();
  QAction* toggle = m_pDesignsPanel->toggleViewAction();
  // The dock names its action after its title, which shows the folder: the menu keeps its own text.
  const auto keepMenuText = [toggle] { toggle->setText(QStringLiteral("&Designs Panel")); };
  keepMenuText();
  connect(m_pDesignsPanel, &QWidget::windowTitleChanged, toggle, keepMenuText);
  // Shown, hidden, docked elsewhere or floated, the panel changes what the window needs.
  connect(m_pDesignsPanel, &QDockWidget::visibilityChanged, this, &CMainFrame::FitMinimumLater);
  connect(m_pDesignsPanel, &QDockWidget::dockLocationChanged, this, &CMainFrame::FitMinimumLater);
  connect(m_pDesignsPanel, &QDockWidget::topLevelChanged, this, &CMainFrame::FitMinimumLater);
  toggle->setStatusTip(QStringLiteral("Show or hide the Designs panel of a folder"));
  toggle->setToolTip(QStringLiteral("Toggle Designs Panel"));
  // The usual open sequence, so the save question comes first.
  connect(m_pDesignsPanel, &DesignsPanel::designChosen, this,
          [this](const QString& path) { m_docTemplate.OpenDocumentFile(QFile::encodeName(path).toStdString()); });
}

void CMainFrame::RouteCommands() {
  connect(m_commands.fileOpen, &QAction::triggered, this, &CMainFrame::OnFileOpen);
  connect(m_commands.fileOpenFolder, &QAction::triggered, this, &CMainFrame::OnFileOpenFolder);
  connect(m_commands.fileSave, &QAction::triggered, this, &CMainFrame::OnFileSave);
  connect(m_commands.fileSaveAs, &QAction::triggered, this, &CMainFrame::OnFileSaveAs);
  connect(m_commands.appExit, &QAction::triggered, this, &QWidget::close);
  connect(m_commands.editSetElevation, &QAction::triggered, m_pView, &CDecoderView::OnSetElevation);
  connect(m_commands.editMirrorTrack, &QAction::triggered, m_pView, &CDecoderView::OnMirrorTrack);
  connect(m_commands.editReverseTrack, &QAction::triggered, m_pView, &CDecoderView::OnReverseTrack);
  connect(m_commands.fileExport, &QAction::triggered, m_pView, &CDecoderView::OnExport);
  connect(m_pView, &CDecoderView::documentChanged, this, &CMainFrame::OnDocumentChanged);

  for (auto [command, bar] : {std::pair<QAction*, QWidget*>{m_commands.viewToolbar, m_wndToolBar},
                              std::pair<QAction*, QWidget*>{m_commands.viewStatusBar, statusBar()},
                              std::pair<QAction*, QWidget*>{m_commands.viewElevationProfile, m_pProfileStrip}}) {
    command->setCheckable(true);
    command->setChecked(true);
    connect(command, &QAction::toggled, bar, &QWidget::setVisible);
  }
  connect(m_wndToolBar, &QToolBar::visibilityChanged, m_commands.viewToolbar, &QAction::setChecked);

  // Always available. New stays disabled: the one document is made at start-up.
  // About is routed by the application; without a handler a command stays disabled.
  for (QAction* command :
       {m_commands.fileOpen, m_commands.fileOpenFolder, m_commands.appExit, m_commands.editSetElevation,
        m_commands.viewToolbar, m_commands.viewStatusBar, m_commands.viewElevationProfile})
    command->setEnabled(true);
}

// The profile shows what the list shows: drawn again whenever the view lists,
// its highlight following the list's selection, and a click on it, or its
// marker, selecting the line chosen.
void CMainFrame::LinkProfileStrip() {
  SegmentListBox& list = *m_pView->m_wndSegmentList;
  connect(m_pView, &CDecoderView::listed, m_pProfileStrip, [this, &list] {
    ElevationProfile profile = MakeElevationProfile(m_document, m_pView->m_nStartElevation);
    const int start = m_pView->m_nStartElevation;
    m_pProfileStrip->SetFitText(m_document.m_pData ? FitText(profile.lines, start) : QString());
    m_pProfileStrip->setAccessibleDescription(m_document.m_pData ? ProfileSummary(profile, start) : QString());
    m_pProfileStrip->SetProfile(std::move(profile));
    m_pProfileStrip->SetSelectedLine(list.GetCurSel());
  });
  connect(list.selectionModel(), &QItemSelectionModel::selectionChanged, m_pProfileStrip,
          [this, &list] { m_pProfileStrip->SetSelectedLine(list.GetCurSel()); });
  connect(m_pProfileStrip, &CProfileStrip::lineChosen, &list, &SegmentListBox::SetCurSel);
}

void CMainFrame::UpdateCommandUI() {
  m_pView->OnUpdateFileSaveAs(*m_commands.fileSave);
  m_pView->OnUpdateFileSaveAs(*m_commands.fileSaveAs);
  m_pView->OnUpdateTrackCommand(*m_commands.fileExport);
  m_pView->OnUpdateTrackCommand(*m_commands.editMirrorTrack);
  m_pView->OnUpdateTrackCommand(*m_commands.editReverseTrack);
}

void CMainFrame::OnDocumentChanged() {
  UpdateCaption();
  UpdateCommandUI();
}

void CMainFrame::UpdateCaption() {
  // Qt shows "*" at the "[*]" while the window is modified, and nothing otherwise;
  // a "[*]" in the file's own name is doubled so that it shows as it is written.
  QString title = QString::fromStdString(m_document.GetTitle());
  title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
  setWindowTitle(title + QStringLiteral("[*] - ") + QString::fromUtf8(kAppTitle));
  setWindowModified(m_document.IsModified());
}

void CMainFrame::AnnounceDocumentFile() {
  const std::string& path = m_document.GetPathName();
  if (!path.empty()) emit documentFileChanged(QFile::decodeName(path.c_str()));
}

void CMainFrame::OnFileOpen() {
  const std::optional<QString> path = m_fileDialogs.ChooseFileToOpen(this, DesignFileDialog());
  if (path) m_docTemplate.OpenDocumentFile(QFile::encodeName(*path).toStdString());
}

void CMainFrame::OnFileOpenFolder() {
  const std::optional<QString> folder =
      m_fileDialogs.ChooseFolder(this, {QStringLiteral("Open Folder"), {}, {}, m_pDesignsPanel->Folder()});
  if (folder) m_pDesignsPanel->OpenFolder(*folder);
}

void CMainFrame::OnFileSave() { m_docTemplate.OnFileSave(); }

void CMainFrame::OnFileSaveAs() {
  if (const std::optional<std::string> path = PromptSaveAsPath()) m_docTemplate.DoSave(*path);
}

std::optional<std::string> CMainFrame::PromptSaveAsPath() {
  const std::string& current = m_document.GetPathName().empty() ? m_document.GetTitle() : m_document.GetPathName();
  const std::optional<QString> path =
      m_fileDialogs.ChooseFileToSave(this, DesignFileDialog(QFile::decodeName(current.c_str())));
  if (!path) return std::nullopt;
  return QFile::encodeName(*path).toStdString();
}

void CMainFrame::OnInitialUpdate() {
  m_pView->OnInitialUpdate();
  UpdateCaption();
  UpdateCommandUI();
  AnnounceDocumentFile();
}

void CMainFrame::OnTitleChanged() {
  m_pView->OnDocumentSaved();
  UpdateCaption();
  UpdateCommandUI();
  AnnounceDocumentFile();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!m_docTemplate.SaveModified()) return event->ignore();
  emit closing();
  event->accept();
}
