#include "trackfile/TrackCommands.h"

#include "framework/AppInfo.h"
#include "framework/MessageBox.h"
#include "trackfile/DecoderDoc.h"

namespace {

bool ConfirmReversingOpenCircuit() {
  return ShowMessageBox(
             "This appears to be an open circuit or \"shuttle mode\" track.\n"
             "Reversing this track may produce a track that cannot be built.\n"
             "Are you sure you want to continue?",
             kAppTitle, MB_YESNO | MB_ICONQUESTION, MessageOwner::MainWindow) == IDYES;
}

void ReportReversalRefused() {
  ShowMessageBox("Only self-powered rides (no lift chains) can be reversed.", kAppTitle,
                 MB_OK | MB_ICONINFORMATION, MessageOwner::MainWindow);
}

}  // namespace

bool RunMirrorTrackCommand(CDecoderDoc& doc) {
  doc.MirrorTrack();
  return true;
}

bool RunReverseTrackCommand(CDecoderDoc& doc) {
  if (doc.m_bOpenCircuit && !ConfirmReversingOpenCircuit()) return false;
  if (doc.ReverseTrack() != 0) {
    ReportReversalRefused();
    return false;
  }
  return true;
}
