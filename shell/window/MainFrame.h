#pragma once

#include <QMainWindow>
#include <QUndoStack>
#include <optional>
#include <string>

#include "framework/DocumentTemplate.h"
#include "shell/window/FrameCommands.h"
#include "trackfile/DecoderDoc.h"

class CDecoderView;
class CProfileStrip;
class DesignsPanel;
class IFileDialogs;
class QMenu;
class QSplitter;
class QToolBar;

// The program's one main window: menu bar, toolbar, status bar and the decoder
// view, around the one document. It runs the open and save sequences for the
// document and keeps the caption, with its mark for unsaved changes, and the
// commands' enabling up to date.
class CMainFrame : public QMainWindow, private IDocumentHost {
  Q_OBJECT
public:
  static constexpr int kMinWidth = 320;
  static constexpr int kMinHeight = 400;

  explicit CMainFrame(IFileDialogs& fileDialogs);
  ~CMainFrame() override;

  CDecoderDoc& GetDocument() { return m_document; }
  CSingleDocTemplate& GetDocTemplate() { return m_docTemplate; }
  CDecoderView& GetView() const { return *m_pView; }
  // The elevation profile below the view's segment list.
  CProfileStrip& GetProfileStrip() const { return *m_pProfileStrip; }
  // The splitter between the view and the profile.
  QSplitter& Panes() const { return *m_pPanes; }
  // The changes that Edit > Undo and Redo step through.
  QUndoStack& UndoStack() { return m_undoStack; }
  const FrameCommands& Commands() const { return m_commands; }
  // The File menu; recent files are listed at the place of Commands().fileRecentFile.
  QMenu& FileMenu() const { return *m_pFileMenu; }
  QToolBar& ToolBar() const { return *m_wndToolBar; }
  // The dockable panel of a folder's designs; hidden until a folder is opened.
  DesignsPanel& GetDesignsPanel() const { return *m_pDesignsPanel; }

  void OnFileOpen();
  // Asks for a folder and shows its designs in the Designs panel.
  void OnFileOpenFolder();
  void OnFileSave();
  void OnFileSaveAs();

  // Enables each command as the document now allows.
  void UpdateCommandUI();

signals:
  // The document now belongs to this file, opened or saved under it.
  void documentFileChanged(const QString& path);
  // The user is closing the window and has not cancelled: it is still on screen.
  void closing();

protected:
  // Closing runs the save question first; Cancel keeps the window open.
  void closeEvent(QCloseEvent* event) override;
  // The smallest size follows the font, the toolbar's images the palette.
  void changeEvent(QEvent* event) override;

private:
  // A menu on the menu bar that shows every key of its commands.
  QMenu* AddMenu(const char* title);
  void CreateMenus();
  void CreateToolBar();
  void SetCommandIcons();
  void CreateStatusBar();
  void CreateDesignsPanel();
  void FitMinimumToScreen();
  // Once the layouts have settled.
  void FitMinimumLater();
  // Gives up what the window shows at its smallest until its layout needs at most room pixels of height.
  void FitLayoutInto(int room);
  void RouteCommands();
  void LinkProfileStrip();
  void OnDocumentChanged();
  void UpdateCaption();
  void AnnounceDocumentFile();

  void OnInitialUpdate() override;
  void OnTitleChanged() override;
  std::optional<std::string> PromptSaveAsPath() override;

  IFileDialogs& m_fileDialogs;
  CDecoderDoc m_document;
  CSingleDocTemplate m_docTemplate{m_document, *this};
  QUndoStack m_undoStack;
  FrameCommands m_commands{this, m_undoStack};
  CDecoderView* m_pView;
  CProfileStrip* m_pProfileStrip;
  QSplitter* m_pPanes;
  DesignsPanel* m_pDesignsPanel = nullptr;
  QMenu* m_pFileMenu = nullptr;
  QToolBar* m_wndToolBar = nullptr;
};
