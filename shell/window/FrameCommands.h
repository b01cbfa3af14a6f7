#pragma once

class QAction;
class QObject;
class QUndoStack;

// The main window's commands with their menu texts, shortcuts, status-bar
// prompts and tooltips. The frame puts them into its menus and toolbar and
// routes each to its handler; a command left without one stays disabled.
// Undo and Redo come from the undo stack, which names and enables them.
struct FrameCommands {
  FrameCommands(QObject* owner, QUndoStack& undoStack);

  QAction* fileNew;
  QAction* fileOpen;
  QAction* fileOpenFolder;
  QAction* fileSave;
  QAction* fileSaveAs;
  QAction* fileExport;
  // Stands where the recent files go while there are none.
  QAction* fileRecentFile;
  QAction* appExit;
  QAction* editUndo;
  QAction* editRedo;
  QAction* editSetElevation;
  QAction* editMirrorTrack;
  QAction* editReverseTrack;
  QAction* viewToolbar;
  QAction* viewStatusBar;
  QAction* viewElevationProfile;
  QAction* appAbout;
};
