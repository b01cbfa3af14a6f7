#pragma once

#include <optional>

#include "listing/ElevationProfile.h"
#include "listing/ProfileLayout.h"
#include "listing/Scene.h"
#include "listing/TrackTrace.h"

// The whole picture of a profile laid out by LayOutProfile (with the same
// measure): the buildable band shaded, elevation lines and labels, a legend as
// far as there is room, the stations, the track, segment numbers, and the
// stretch of selectedLine (an index into profile.lines) highlighted.
scene::Scene DrawProfile(const ElevationProfile& profile, const ProfileLayout& layout,
                         const scene::ITextMeasure& measure, std::optional<int> selectedLine = std::nullopt);

// The same picture of a track traced on layout, with no line highlighted.
scene::Scene DrawProfile(const TracedTrack& track, const ProfileLayout& layout, const scene::ITextMeasure& measure);

// The plot alone of a track traced on a layout made by LayOutThumbnail: the
// band, the track and the stations in a frame, without a label, tick or legend.
scene::Scene DrawProfileThumbnail(const TracedTrack& track, const ProfileLayout& layout);
