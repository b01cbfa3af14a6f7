#pragma once

#include <cstdint>
#include <vector>

#include "render/PictureFile.h"

struct ElevationProfile;

// The profile drawn at width by height, in the picture font and colours, as
// the whole content of a picture file. Needs a QGuiApplication; throws
// CMemoryException when the picture cannot be held in memory.
std::vector<std::uint8_t> ProfilePicture(const ElevationProfile& profile, PictureFormat format, int width, int height);

// The profile as a PNG thumbnail for file managers, size pixels wide and
// three quarters of that high: the plot alone, drawn as for 128 pixels and
// scaled, so that its lines keep their weight at every size. Needs a
// QGuiApplication; throws CMemoryException when it cannot be held in memory.
std::vector<std::uint8_t> ThumbnailPicture(const ElevationProfile& profile, int size);
