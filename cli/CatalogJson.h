#pragma once

#include <string>

#include "catalog/DesignSummary.h"

// One design of a catalogue as a JSON object on a line of its own, ending in
// a line feed (JSON Lines). The fields of a loaded design are null for one
// that was refused. The README describes the fields. The line comes in two
// parts: the fields the design's own summary gives, and after them those
// that come of the designs before it (same_track_as and variant) with the
// object's end and the line feed.
std::string CatalogJsonLineStart(const DesignSummary& summary);
std::string CatalogJsonLineEnd(const DesignSummary& summary);
