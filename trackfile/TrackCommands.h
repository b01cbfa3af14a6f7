#pragma once

#include "framework/Outcome.h"

class CDecoderDoc;

// The Mirror Track and Reverse Track commands without their window: what they
// ask (through ask), what they refuse and what they change. Each is done when
// the design changed and must be listed again. A design without segments is
// safe: nothing is read beyond the array.
using TrackCommand = Outcome (*)(CDecoderDoc& doc, const AskQuestion& ask);

// Mirrors the track; asks nothing.
Outcome RunMirrorTrackCommand(CDecoderDoc& doc, const AskQuestion& ask);

// Asks first when the track is an open circuit (any answer but Yes declines
// the command), then reverses it or refuses, telling why it cannot.
Outcome RunReverseTrackCommand(CDecoderDoc& doc, const AskQuestion& ask);
