#pragma once

#include <array>
#include <cstdint>

namespace picture {

// A 5 by 7 pixel font for the labels of a raster picture: digits, lowercase
// letters, '-' and '.'. Other characters have no glyph and show as blanks.
inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kGlyphAdvance = kGlyphWidth + 1;

// Rows from the top; bit 4 of a row is its leftmost pixel.
using GlyphRows = std::array<std::uint8_t, kGlyphHeight>;

// The glyph of c, or null when the font has none.
const GlyphRows* FindGlyph(char c);

}  // namespace picture
