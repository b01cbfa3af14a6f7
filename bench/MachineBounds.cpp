#include "bench/MachineBounds.h"

#include <cstring>

#if !defined(__x86_64__)
#error "the checksum bound is written in x86-64 assembly"
#endif

// Each byte costs one 8-bit add into the low byte, straight from memory, and
// one 32-bit rotate: the two instructions the checksum cannot do without,
// and the very add ChecksumStep compiles to. Loading the byte into a register
// first and adding from there takes a cycle more per byte on some processors,
// which let the figures held to this bound beat it.
std::uint32_t ChecksumChain(std::span<const std::uint8_t> bytes) {
  std::uint32_t checksum = 0;
  for (const std::uint8_t& byte : bytes)
    asm("addb %[byte], %b[sum]\n\troll $3, %[sum]" : [sum] "+r"(checksum) : [byte] "m"(byte));
  return checksum;
}

void Fill(std::span<std::uint8_t> bytes) { std::memset(bytes.data(), 0x5A, bytes.size()); }

// Eight bytes at a time into independent accumulators, so that no chain of
// dependent instructions slows it.
std::uint64_t ReadEvery(std::span<const std::uint8_t> bytes) {
  std::uint64_t folded[4] = {};
  std::size_t offset = 0;
  for (; offset + sizeof folded <= bytes.size(); offset += sizeof folded) {
    for (std::size_t lane = 0; lane < 4; ++lane) {
      std::uint64_t word;
      std::memcpy(&word, &bytes[offset + lane * sizeof word], sizeof word);
      folded[lane] |= word;
    }
  }
  for (; offset < bytes.size(); ++offset) folded[0] |= bytes[offset];
  return folded[0] | folded[1] | folded[2] | folded[3];
}
