#pragma once

#include <cstdint>
#include <span>

namespace picture {

// CRC-32 of bytes as PNG chunks carry it (reflected polynomial 0xEDB88320,
// initial value and final xor 0xFFFFFFFF). Pass the result of an earlier call
// as crc to continue over more bytes.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);

// Adler-32 of bytes as a zlib stream ends with it. Pass the result of an
// earlier call as adler to continue over more bytes.
std::uint32_t Adler32(std::span<const std::uint8_t> bytes, std::uint32_t adler = 1);

}  // namespace picture
