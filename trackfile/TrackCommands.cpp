#include "trackfile/TrackCommands.h"

#include "framework/AppInfo.h"
#include "trackfile/DecoderDoc.h"

namespace {

MessageBoxRequest ReversingOpenCircuitQuestion() {
  return {"This appears to be an open circuit or \"shuttle mode\" track.\n"
          "Reversing this track may produce a track that cannot be built.\n"
          "Are you sure you want to continue?",
          kAppTitle, MB_YESNO | MB_ICONQUESTION, MessageOwner::MainWindow};
}

Outcome ReversalRefused() {
  return Outcome::Refusal({"Only self-powered rides (no lift chains) can be reversed.", kAppTitle,
                           MB_OK | MB_ICONINFORMATION, MessageOwner::MainWindow});
}

}  // namespace

Outcome RunMirrorTrackCommand(CDecoderDoc& doc, const AskQuestion&) {
  doc.MirrorTrack();
  return {};
}

Outcome RunReverseTrackCommand(CDecoderDoc& doc, const AskQuestion& ask) {
  if (doc.m_bOpenCircuit) {
    MessageBoxRequest question = ReversingOpenCircuitQuestion();
    if (!AnswersYes(ask, question)) return Outcome::Declined(std::move(question));
  }
  if (doc.ReverseTrack() != 0) return ReversalRefused();
  return {};
}
