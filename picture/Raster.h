#pragma once

#include <cstdint>
#include <vector>

#include "picture/Scene.h"

namespace picture {

// An opaque 8-bit RGB image, row after row from the top.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // 3 bytes (red, green, blue) per pixel

  RgbImage(int width, int height, Color fill);

  std::uint8_t* Pixel(int x, int y) { return &pixels[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3]; }
  const std::uint8_t* Pixel(int x, int y) const {
    return &pixels[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3];
  }
};

// Draws the scene at one pixel per unit, its size rounded up to whole pixels.
// Edges are smoothed by pixel coverage; translucent colours blend over what
// lies beneath. Labels use the built-in bitmap font, scaled by whole pixels.
RgbImage Rasterize(const Scene& scene);

}  // namespace picture
