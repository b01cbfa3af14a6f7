#pragma once

class CDecoderDoc;

// The Mirror Track and Reverse Track commands without their window: what they
// ask, what they report (through ShowMessageBox) and what they change. Each
// returns true when the design changed and must be listed again. A design
// without segments is safe: nothing is read beyond the array.

// Mirrors the track; asks nothing.
bool RunMirrorTrackCommand(CDecoderDoc& doc);

// Asks first when the track is an open circuit (any answer but Yes ends the
// command), then reverses it or reports why it cannot.
bool RunReverseTrackCommand(CDecoderDoc& doc);
