#pragma once

class CDecoderDoc;

// The Mirror Track and Reverse Track commands without their window: what they
// ask, what they report (through ShowMessageBox) and what they change. Each
// returns true when the design changed and must be listed again. Both need a
// document with at least one segment; the front ends offer them only then.

// Mirrors the track; asks nothing.
bool RunMirrorTrackCommand(CDecoderDoc& doc);

// Asks first when the track is an open circuit (any answer but Yes ends the
// command), then reverses it or reports why it cannot.
bool RunReverseTrackCommand(CDecoderDoc& doc);
