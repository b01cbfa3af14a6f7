#pragma once

#include <QString>
#include <vector>

#include "listing/ElevationFit.h"

// "This design fits with starting elevations 3..12.": where the user sets the
// starting elevation or looks at the profile, the range that keeps every line
// of the listing buildable.
QString FitText(const ElevationExtent& extent);
// The same for the lines of a listing made from startElevation.
QString FitText(const std::vector<ListingLine>& lines, int startElevation);

// The extent of the lines of a listing made from startElevation.
ElevationExtent MeasureLines(const std::vector<ListingLine>& lines, int startElevation);
