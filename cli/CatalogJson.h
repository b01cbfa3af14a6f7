#pragma once

#include <string>

#include "catalog/DesignSummary.h"

// One design of a catalogue as a JSON object on a line of its own, ending in
// a line feed (JSON Lines). The fields of a loaded design are null for one
// that was refused. The README describes the fields.
std::string CatalogJsonLine(const DesignSummary& summary);
