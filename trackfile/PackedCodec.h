#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

class CArchive;

// The trailer of a design file holds the body's running checksum minus one of
// these; which one matched tells the file's edition.
inline constexpr std::uint32_t kNormalChecksumOffset = 108156;
inline constexpr std::uint32_t kAltChecksumOffset = 120001;

// Takes one body byte into the running checksum: the byte is added to the low
// eight bits only (no carry into the upper 24), then the value rotates left by 3.
//
// The checksum is one serial chain through every body byte, so each instruction
// on it costs a cycle per byte. Adding into the low byte in place, as a byte,
// lets the compiler emit a single 8-bit add where masking and merging would
// take three instructions. Keep the running value in a local variable: a
// checksum reached through a pointer may alias the bytes being read.
inline void ChecksumStep(std::uint32_t& checksum, std::uint8_t byte) {
  constexpr std::size_t kLowByte = std::endian::native == std::endian::little ? 0 : sizeof checksum - 1;
  unsigned char* const low = reinterpret_cast<unsigned char*>(&checksum) + kLowByte;
  *low = static_cast<unsigned char>(*low + byte);
  checksum = std::rotl(checksum, 3);
}

// Writes design packed into run-length runs, then the trailer for the given
// checksum offset. Literal runs hold 1..124 bytes and repeat runs 2..125; an
// empty design writes the trailer alone.
void PackDesign(std::span<const std::uint8_t> design, std::uint32_t checksumOffset, CArchive& archive);
