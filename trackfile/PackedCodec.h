#pragma once

#include <bit>
#include <cstdint>
#include <span>

class CArchive;

// The trailer of a design file holds the body's running checksum minus one of
// these; which one matched tells the file's edition.
inline constexpr std::uint32_t kNormalChecksumOffset = 108156;
inline constexpr std::uint32_t kAltChecksumOffset = 120001;

// Takes one body byte into the running checksum: the byte is added to the low
// eight bits only (no carry into the upper 24), then the value rotates left by 3.
inline void ChecksumStep(std::uint32_t& checksum, std::uint8_t byte) {
  const std::uint8_t low = std::uint8_t(std::uint8_t(checksum) + byte);
  checksum = std::rotl((checksum & 0xFFFFFF00u) | low, 3);
}

// Writes design packed into run-length runs, then the trailer for the given
// checksum offset. Literal runs hold 1..124 bytes and repeat runs 2..125; an
// empty design writes the trailer alone.
void PackDesign(std::span<const std::uint8_t> design, std::uint32_t checksumOffset, CArchive& archive);
