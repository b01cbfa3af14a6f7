#pragma once

#include "listing/ProfileLayout.h"

// How far apart the middles of two elevation labels must be, and the least
// room between two segment numbers, in picture files; both grow with the labels.
inline constexpr double kElevationLabelSpacing = 15;
inline constexpr double kSegmentNumberGap = 20;

// The smallest of 1, 2 and 5 times a power of ten that is at least least.
long long RoundStep(double least);

// The lines across the plot of a layout whose vertical geometry is set:
// the band's edges 1 and 61, the track's lowest and highest elevation where
// they leave 1..61, and round elevations between. The edges and the track's
// extremes are always labelled where the plot has room; an edge whose label
// would touch another moves just clear of it, staying in order; a round
// elevation is labelled only where its label is clear of all others.
std::vector<ElevationMark> MarkElevations(const ProfileLayout& layout, const ProfileExtent& extent);

// The segment numbers to label under a laid-out plot: the first and the last
// segment, and between them the multiples of the smallest round step whose
// labels keep clear of each other. The round number next to the last is left
// out when the last one's label would touch it.
std::vector<long long> NumberSegments(const ProfileLayout& layout, const scene::ITextMeasure& measure);
