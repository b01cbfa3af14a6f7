#pragma once

#include <QUndoCommand>

#include "trackfile/TrackState.h"

class CDecoderView;
class QUndoStack;

// Undoable changes of what the decoder view shows. Each holds the state before
// and after the change and puts one of them back through the view, which then
// lists the design again, keeping the selected line.

// Mirror Track or Reverse Track: the segment array and the track list.
class CTrackCommand : public QUndoCommand {
public:
  CTrackCommand(const QString& text, CDecoderView& view, TrackState before, TrackState after);
  void undo() override;
  void redo() override;

private:
  CDecoderView& m_view;
  TrackState m_before;
  TrackState m_after;
};

// Set starting elevation: the view's own value, which is never saved.
class CStartElevationCommand : public QUndoCommand {
public:
  CStartElevationCommand(CDecoderView& view, int before, int after);
  void undo() override;
  void redo() override;

private:
  CDecoderView& m_view;
  int m_nBefore;
  int m_nAfter;
};

// True when the document differs from the file it was last opened from or
// saved to: a track command lies between that state and the present one, or
// that state can no longer be reached. Starting elevations are not saved, so
// their commands do not count.
bool TrackChangedSinceSave(const QUndoStack& stack);
