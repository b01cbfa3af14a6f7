#include "picture/Checksums.h"

#include <algorithm>
#include <array>

namespace picture {
namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

constexpr std::uint32_t kAdlerModulus = 65521;
// The most bytes that can be summed before the 32-bit sums must be reduced.
constexpr std::size_t kAdlerBlock = 5552;

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc) {
  crc = ~crc;
  for (const std::uint8_t byte : bytes) crc = kCrcTable[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(std::span<const std::uint8_t> bytes, std::uint32_t adler) {
  std::uint32_t a = adler & 0xFFFF;
  std::uint32_t b = adler >> 16;
  while (!bytes.empty()) {
    const std::span<const std::uint8_t> block = bytes.first(std::min(bytes.size(), kAdlerBlock));
    for (const std::uint8_t byte : block) {
      a += byte;
      b += a;
    }
    a %= kAdlerModulus;
    b %= kAdlerModulus;
    bytes = bytes.subspan(block.size());
  }
  return (b << 16) | a;
}

}  // namespace picture
