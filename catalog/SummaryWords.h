#pragma once

#include <optional>
#include <string>

#include "catalog/DesignSummary.h"

// The words a folder view uses for a summary's states, the same in every
// front end, so that a table, a CSV file and the window agree.

// "normal", "alternative" or "wrong".
const char* ChecksumWord(ChecksumState checksum);

// "3..12", or "7" for a single starting elevation; "none" where none fits.
std::string FitWord(const std::optional<StartElevationRange>& fit);
