#pragma once

#include <QObject>
#include <memory>

#include "shell/app/CommandLine.h"

class CMainFrame;
class IFileDialogs;
class QSettings;
class RecentFileList;

// The program: its start-up, its settings and the About command. Start-up
// opens the settings store, loads the recent files, shows the start-up warning
// unless the user turned it off, creates the main window, carries out the
// command line, shows the window and lets it take dropped files.
class CDecoderApp : public QObject {
  Q_OBJECT
public:
  static constexpr int kMaxRecentFiles = 4;

  explicit CDecoderApp(IFileDialogs& fileDialogs);
  ~CDecoderApp() override;

  // False when the program is to end at once: the file named on the command
  // line could not be opened (the open has told the user why). The main
  // window is then never shown.
  bool InitInstance(const CCommandLineInfo& commandLine);

  // The main window once start-up created it; nullptr before, or after a failed start-up.
  CMainFrame* GetMainWnd() const { return m_pMainWnd.get(); }

  void OnAppAbout();

signals:
  // The main window exists, still hidden: messages from now on belong to it.
  void mainFrameCreated(CMainFrame& frame);

private:
  // Shows the start-up warning unless it was turned off, and turns it off when asked.
  void ShowStartupWarning();
  void CreateMainFrame();
  // Shows the Designs panel's last folder again when the panel was left showing.
  void RestoreDesignsPanel();
  bool ProcessShellCommand(const CCommandLineInfo& commandLine);
  // Opens a file from the recent-file list; one that is gone drops out of it.
  void OnOpenRecentFile(const QString& path);
  bool OpenDocumentFile(const QString& path);

  IFileDialogs& m_fileDialogs;
  std::unique_ptr<QSettings> m_pSettings;
  std::unique_ptr<RecentFileList> m_pRecentFileList;
  std::unique_ptr<CMainFrame> m_pMainWnd;
};
