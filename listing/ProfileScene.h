#pragma once

#include <optional>

#include "listing/ElevationProfile.h"
#include "listing/ProfileLayout.h"
#include "listing/Scene.h"

// The whole picture of a profile laid out by LayOutProfile (with the same
// measure): the buildable band shaded, elevation lines and labels, a legend as
// far as there is room, the stations, the track, segment numbers, and the
// stretch of selectedLine (an index into profile.lines) highlighted.
scene::Scene DrawProfile(const ElevationProfile& profile, const ProfileLayout& layout,
                         const scene::ITextMeasure& measure, std::optional<int> selectedLine = std::nullopt);
