#pragma once

#include <string>

#include "catalog/DesignSummary.h"

// The words a catalogue row uses for a loaded design's states, the same in
// the table, in CSV and in JSON.

// "normal", "alternative" or "wrong".
const char* ChecksumWord(ChecksumState checksum);

// What Reverse Track would do: "refused" (also where it asks first and then
// refuses), "asks_first" for an open circuit it would reverse once answered
// Yes, else "reverses".
const char* ReverseWord(const DesignSummary& summary);

// "3..12", or "7" for a single starting elevation; "none" where none fits.
std::string FitText(const DesignSummary& summary);

// "1..6", or "4" where the track stays at one elevation; empty without lines.
std::string ElevationsText(const DesignSummary& summary);
