#include "shell/window/FrameCommands.h"

#include <QAction>
#include <QKeySequence>
#include <QUndoStack>

namespace {
QAction* MakeCommand(QObject* owner, const char* text, const char* prompt, const char* tooltip = nullptr,
                     QList<QKeySequence> shortcuts = {}) {
  auto* command = new QAction(QString::fromUtf8(text), owner);
  command->setStatusTip(QString::fromUtf8(prompt));
  if (tooltip) command->setToolTip(QString::fromUtf8(tooltip));
  command->setShortcuts(std::move(shortcuts));
  command->setEnabled(false);
  return command;
}

// The desktop's keys for quitting; Ctrl+Q where its scheme has none, as on a Linux desktop.
QList<QKeySequence> QuitKeys() {
  const QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Quit);
  return keys.isEmpty() ? QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Q)} : keys;
}

// An action made by the undo stack, which enables it and names what it would
// undo or redo after its text; here it gets its prompt and keys.
QAction* MakeStackCommand(QAction* command, const char* prompt, QList<QKeySequence> shortcuts) {
  command->setStatusTip(QString::fromUtf8(prompt));
  command->setShortcuts(std::move(shortcuts));
  return command;
}
}  // namespace

FrameCommands::FrameCommands(QObject* owner, QUndoStack& undoStack)
    : fileNew(MakeCommand(owner, "&New", "Create a new document", "New", {QKeySequence(Qt::CTRL | Qt::Key_N)})),
      fileOpen(MakeCommand(owner, "&Open...", "Open an existing document", "Open", {QKeySequence(Qt::CTRL | Qt::Key_O)})),
      fileOpenFolder(
          MakeCommand(owner, "Open &Folder...", "Show the designs of a folder in the Designs panel", "Open Folder")),
      fileSave(MakeCommand(owner, "&Save", "Save the active document", "Save", {QKeySequence(Qt::CTRL | Qt::Key_S)})),
      // The program's own keys first, then the desktop's usual ones.
      fileSaveAs(MakeCommand(owner, "Save &As...", "Save the active document with a new name", "Save As",
                             {QKeySequence(Qt::CTRL | Qt::Key_A), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)})),
      fileExport(MakeCommand(owner, "&Export ....", "Writes the current track segment list to a plain text file")),
      fileRecentFile(MakeCommand(owner, "Recent File", "Open this document")),
      appExit(MakeCommand(owner, "E&xit", "Quit the application; prompts to save documents", "Exit",
                          QuitKeys())),
      editUndo(MakeStackCommand(undoStack.createUndoAction(owner, QStringLiteral("&Undo")), "Undo the last action",
                                {QKeySequence(Qt::CTRL | Qt::Key_Z)})),
      editRedo(MakeStackCommand(undoStack.createRedoAction(owner, QStringLiteral("&Redo")),
                                "Redo the previously undone action",
                                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})),
      editSetElevation(MakeCommand(owner, "Set starting &elevation....",
                                   "Set the elevation for the first track segment", "Set Elevation",
                                   {QKeySequence(Qt::CTRL | Qt::Key_E)})),
      editMirrorTrack(MakeCommand(owner, "&Mirror Track", "\"Mirrors\" the track by reversing all turns.")),
      editReverseTrack(MakeCommand(owner, "&Reverse Track", "Reverses a track to run in the opposite direction.")),
      viewToolbar(MakeCommand(owner, "&Toolbar", "Show or hide the toolbar", "Toggle ToolBar")),
      viewStatusBar(MakeCommand(owner, "&Status Bar", "Show or hide the status bar", "Toggle StatusBar")),
      viewElevationProfile(MakeCommand(owner, "&Elevation Profile", "Show or hide the elevation profile below the list",
                                       "Toggle Elevation Profile")),
      appAbout(MakeCommand(owner, "&About Tivora Track Decoder...",
                           "Display program information, version number and copyright", "About")) {}
