#pragma once

#include <cstdint>
#include <vector>

#include "picture/Raster.h"

namespace picture {

// The image as a PNG file: 8-bit RGB, not interlaced, every row unfiltered,
// the pixel data in a zlib stream of stored (uncompressed) deflate blocks.
// A picture of flat colours is large this way, but the encoder stays small
// and needs no compression library.
std::vector<std::uint8_t> EncodePng(const RgbImage& image);

}  // namespace picture
