#pragma once

#include <cstdint>
#include <vector>

#include "render/PictureFile.h"

struct ElevationProfile;

// The profile drawn at width by height, in the picture font and colours, as
// the whole content of a picture file. Needs a QGuiApplication; throws
// CMemoryException when the picture cannot be held in memory.
std::vector<std::uint8_t> ProfilePicture(const ElevationProfile& profile, PictureFormat format, int width, int height);
