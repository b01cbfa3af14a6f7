#include "shell/app/DecoderApp.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "framework/MessageBox.h"
#include "shell/dialogs/AboutDlg.h"
#include "shell/platform/AppSettings.h"
#include "shell/designs/ColumnChooser.h"
#include "shell/designs/DesignsPanel.h"
#include "shell/window/FileDropTarget.h"
#include "shell/window/MainFrame.h"
#include "shell/platform/RecentFileList.h"
#include "shell/window/RecentFileMenu.h"
#include "shell/dialogs/WarningDlg.h"
#include "shell/window/WindowLayout.h"

CDecoderApp::CDecoderApp(IFileDialogs& fileDialogs) : m_fileDialogs(fileDialogs) {}

CDecoderApp::~CDecoderApp() = default;

bool CDecoderApp::InitInstance(const CCommandLineInfo& commandLine) {
  m_pSettings = OpenAppSettings();
  m_pRecentFileList = std::make_unique<RecentFileList>(*m_pSettings, kMaxRecentFiles);
  ShowStartupWarning();
  CreateMainFrame();
  if (!ProcessShellCommand(commandLine)) {
    m_pMainWnd.reset();
    return false;
  }
  m_pMainWnd->show();
  // A folder dropped on the window shows in the Designs panel; a file opens as a design.
  new FileDropTarget(*m_pMainWnd, [this](const QString& path) {
    if (QFileInfo(path).isDir())
      m_pMainWnd->GetDesignsPanel().OpenFolder(path);
    else
      OpenDocumentFile(path);
  });
  return true;
}

void CDecoderApp::ShowStartupWarning() {
  // A value that does not read as a number counts as 0, like a missing one.
  if (m_pSettings->value(QString::fromUtf8(kNoWarningKey), 0).toInt() != 0) return;
  CWarningDlg warning;
  if (warning.DoModal() == IDOK && warning.m_bNoWarning) m_pSettings->setValue(QString::fromUtf8(kNoWarningKey), 1);
}

void CDecoderApp::CreateMainFrame() {
  m_pMainWnd = std::make_unique<CMainFrame>(m_fileDialogs);
  emit mainFrameCreated(*m_pMainWnd);

  const FrameCommands& commands = m_pMainWnd->Commands();
  connect(commands.appAbout, &QAction::triggered, this, &CDecoderApp::OnAppAbout);
  commands.appAbout->setEnabled(true);

  // The elevation profile shows unless the user hid it, then or in an earlier run.
  QAction* profile = commands.viewElevationProfile;
  profile->setChecked(m_pSettings->value(QString::fromUtf8(kElevationProfileKey), 1).toInt() != 0);
  connect(profile, &QAction::toggled, this,
          [this](bool shown) { m_pSettings->setValue(QString::fromUtf8(kElevationProfileKey), shown ? 1 : 0); });

  RestoreWindowLayout(*m_pMainWnd, *m_pSettings);
  RestoreDesignsPanel();
  connect(m_pMainWnd.get(), &CMainFrame::closing, this, [this] { SaveWindowLayout(*m_pMainWnd, *m_pSettings); });

  auto* recentFiles = new RecentFileMenu(m_pMainWnd->FileMenu(), *commands.fileRecentFile, *m_pRecentFileList);
  connect(recentFiles, &RecentFileMenu::fileChosen, this, &CDecoderApp::OnOpenRecentFile);
  connect(m_pMainWnd.get(), &CMainFrame::documentFileChanged, m_pRecentFileList.get(), &RecentFileList::Add);
}

void CDecoderApp::RestoreDesignsPanel() {
  DesignsPanel& panel = m_pMainWnd->GetDesignsPanel();
  const QString folder = m_pSettings->value(QString::fromUtf8(kDesignsFolderKey)).toString();
  // The layout put the panel back as it was left; showing, it shows its folder again.
  if (!panel.isHidden() && !folder.isEmpty()) panel.OpenFolder(folder);
  connect(&panel, &DesignsPanel::folderOpened, this,
          [this](const QString& opened) { m_pSettings->setValue(QString::fromUtf8(kDesignsFolderKey), opened); });
  const QVariant columns = m_pSettings->value(QString::fromUtf8(kDesignsColumnsKey));
  if (columns.isValid()) panel.Columns().SetShown(columns.toStringList());
  connect(&panel.Columns(), &ColumnChooser::shownChanged, this,
          [this](const QStringList& shown) { m_pSettings->setValue(QString::fromUtf8(kDesignsColumnsKey), shown); });
}

bool CDecoderApp::ProcessShellCommand(const CCommandLineInfo& commandLine) {
  if (commandLine.m_strFileName.isEmpty()) {
    m_pMainWnd->GetDocTemplate().OnFileNew();
    return true;
  }
  return OpenDocumentFile(commandLine.m_strFileName);
}

bool CDecoderApp::OpenDocumentFile(const QString& path) {
  return m_pMainWnd->GetDocTemplate().OpenDocumentFile(QFile::encodeName(path).toStdString());
}

void CDecoderApp::OnOpenRecentFile(const QString& path) {
  if (!OpenDocumentFile(path) && !QFileInfo::exists(path)) m_pRecentFileList->Remove(path);
}

void CDecoderApp::OnAppAbout() {
  CAboutDlg about(m_pMainWnd.get());
  about.exec();
}
