#pragma once

#include <cstdint>

// Fixed geometry of each track piece, looked up by its segment code. Every code
// 0..255 has an entry; a code without a name is flat and reverses to itself.

// Signed change of elevation from the start of the piece to its end.
std::int32_t ElevationDelta(std::uint8_t code);

// Code of the same piece travelled the other way; applying it twice gives back
// the code it started from.
std::uint8_t ReverseCode(std::uint8_t code);
