#pragma once

#include <optional>

#include "listing/ElevationProfile.h"
#include "picture/Scene.h"

// The colours of an elevation profile picture.
namespace ProfilePalette {
inline constexpr picture::Color kOutsideBand{242, 242, 242};
inline constexpr picture::Color kBand{222, 240, 218};
inline constexpr picture::Color kBandEdge{120, 170, 112};
inline constexpr picture::Color kGrid{214, 214, 214};
inline constexpr picture::Color kFrame{150, 150, 150};
inline constexpr picture::Color kText{51, 51, 51};
inline constexpr picture::Color kTrack{31, 78, 156};
inline constexpr picture::Color kChainLift{214, 128, 0};
inline constexpr picture::Color kOutOfRange{214, 32, 32};
inline constexpr picture::Color kStation{55, 71, 79};
inline constexpr picture::Color kSelection{60, 120, 220, 64};
}  // namespace ProfilePalette

// The whole picture at the given size, laid out by LayOutProfile: the
// buildable band shaded, grid lines and labels, a legend, the stations, the
// track, and the stretch of selectedLine (an index into profile.lines) highlighted.
picture::Scene DrawProfile(const ElevationProfile& profile, double width, double height,
                           std::optional<int> selectedLine = std::nullopt);
