#pragma once

#include <array>
#include <string>
#include <string_view>

// Display names of the one-byte codes a track design stores, indexed by the code
// byte, so every index 0..255 is valid. An empty entry means the code has no name.
using NameTable = std::array<std::string_view, 256>;

extern const NameTable RideTypeNames;       // design byte 0
extern const NameTable VehicleTypeNames;    // design byte 1
extern const NameTable OperatingModeNames;  // design byte 6
// Read directly, not through NameLookup: a code without a name lists as an empty text.
extern const NameTable SegmentNames;

// Replaces text with the table's name at the low byte of code, or with
// "Unknown (xxh)", the byte in two lowercase hex digits, where the entry is empty.
void NameLookup(const NameTable& table, unsigned code, std::string& text);
