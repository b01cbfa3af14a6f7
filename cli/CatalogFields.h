#pragma once

#include <string>

#include "catalog/DesignSummary.h"
#include "catalog/SummaryWords.h"

// The words a catalogue row uses for a loaded design's states beyond those of
// SummaryWords.h, the same in the table, in CSV and in JSON.

// What Reverse Track would do: "refused" (also where it asks first and then
// refuses), "asks_first" for an open circuit it would reverse once answered
// Yes, else "reverses".
const char* ReverseWord(const DesignSummary& summary);

// "1..6", or "4" where the track stays at one elevation; empty without lines.
std::string ElevationsText(const DesignSummary& summary);

// How the design is reached from the one it shares its track with ("same",
// "mirrored", "reversed, then mirrored", ...); empty where it shares none.
std::string VariantText(const DesignSummary& summary);
