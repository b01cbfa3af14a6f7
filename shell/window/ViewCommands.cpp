#include "shell/window/ViewCommands.h"

#include <QUndoStack>
#include <algorithm>

#include "shell/window/DecoderView.h"

CTrackCommand::CTrackCommand(const QString& text, CDecoderView& view, TrackState before, TrackState after)
    : QUndoCommand(text), m_view(view), m_before(std::move(before)), m_after(std::move(after)) {}

void CTrackCommand::undo() { m_view.ShowTrackState(m_before); }

void CTrackCommand::redo() { m_view.ShowTrackState(m_after); }

CStartElevationCommand::CStartElevationCommand(CDecoderView& view, int before, int after)
    : QUndoCommand(QStringLiteral("Set starting elevation")), m_view(view), m_nBefore(before), m_nAfter(after) {}

void CStartElevationCommand::undo() { m_view.ShowStartElevation(m_nBefore); }

void CStartElevationCommand::redo() { m_view.ShowStartElevation(m_nAfter); }

bool TrackChangedSinceSave(const QUndoStack& stack) {
  const int saved = stack.cleanIndex();
  if (saved < 0) return true;
  const int present = stack.index();
  const int first = std::min(saved, present), last = std::max(saved, present);
  for (int i = first; i < last; ++i)
    if (dynamic_cast<const CTrackCommand*>(stack.command(i))) return true;
  return false;
}
