#pragma once

class QAction;
class QObject;

// The main window's commands with their menu texts, shortcuts, status-bar
// prompts and tooltips. The frame puts them into its menus and toolbar and
// routes each to its handler; a command left without one stays disabled.
struct FrameCommands {
  explicit FrameCommands(QObject* owner);

  QAction* fileNew;
  QAction* fileOpen;
  QAction* fileSaveAs;
  QAction* fileExport;
  // Stands where the recent files go while there are none.
  QAction* fileRecentFile;
  QAction* appExit;
  QAction* editSetElevation;
  QAction* editMirrorTrack;
  QAction* editReverseTrack;
  QAction* viewToolbar;
  QAction* viewStatusBar;
  QAction* viewElevationProfile;
  QAction* appAbout;
};
