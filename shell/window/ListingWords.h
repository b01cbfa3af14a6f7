#pragma once

#include <QString>

struct ElevationProfile;

// What the segment list and the profile show, in words for screen readers.

// "1 segment", "24 segments": count, with the noun in the plural where it needs one.
QString Counted(long long count, const char* noun);

// "24 segments in 12 lines".
QString ListDescription(long long segments, long long lines);

// "42 segments from 1 to 64; 5 lines too high; fits at no starting elevation":
// what the profile of a listing made from startElevation shows.
QString ProfileSummary(const ElevationProfile& profile, int startElevation);
