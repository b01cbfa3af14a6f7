#pragma once

#include <cstdint>
#include <vector>

#include "render/PictureFile.h"

class CDecoderDoc;

// The design's elevation profile from startElevation drawn at width by height,
// in the picture font and colours, as the whole content of a picture file. The
// track is traced as it is listed (TraceDesign), so that memory follows the
// picture's width, not the track's length. Needs a QGuiApplication; throws
// CMemoryException when the picture cannot be held in memory.
std::vector<std::uint8_t> ProfilePicture(CDecoderDoc& doc, std::int32_t startElevation, PictureFormat format,
                                         int width, int height);

// The design's profile from startElevation as a PNG thumbnail for file managers,
// size pixels wide and three quarters of that high: the plot alone, drawn as
// for 128 pixels and scaled, so that its lines keep their weight at every
// size; traced as ProfilePicture traces it. Needs a QGuiApplication; throws
// CMemoryException when it cannot be held in memory.
std::vector<std::uint8_t> ThumbnailPicture(CDecoderDoc& doc, std::int32_t startElevation, int size);
