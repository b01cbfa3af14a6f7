#include "trackfile/TrackSteps.h"

#include "trackfile/DecoderDoc.h"

bool TakeStep(CDecoderDoc& doc, TrackStep step) {
  if (step == TrackStep::Mirror)
    doc.MirrorTrack();
  else if (doc.ReverseTrack() != 0)
    return false;
  // Saving writes the design buffer as it is, and opening it again unpacks the
  // same bytes: only the track list's order and its parse can change.
  doc.PutTrackListInFileOrder();
  doc.m_bOpenCircuit = 0;
  doc.ParseTrackList();
  return true;
}

std::string StepWords(const TrackSteps& steps) {
  if (steps.empty()) return "same";
  std::string words;
  for (const TrackStep step : steps) {
    if (!words.empty()) words += ", then ";
    words += step == TrackStep::Mirror ? "mirrored" : "reversed";
  }
  return words;
}
