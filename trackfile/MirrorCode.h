#pragma once

#include <cstdint>

// Code of the piece's twin of the other hand: a left-handed piece gives the
// right-handed one and the other way round; a piece without a hand gives
// itself. Applying it twice gives back the code it started from, and no code
// becomes 255, the end marker of the track list.
std::uint8_t MirrorCode(std::uint8_t code);
