#pragma once

#include <cstdint>
#include <span>

// What the hardware allows, over the very bytes a figure covers: the bounds the
// codec's figures are held to.

// The checksum's serial chain through bytes, with nothing else done: its value.
std::uint32_t ChecksumChain(std::span<const std::uint8_t> bytes);

// memset of bytes.
void Fill(std::span<std::uint8_t> bytes);

// One read of every byte, the least a packer pays to find where runs end, in
// as few instructions as a loop built like the packer's can take: one 8-byte
// OR from memory per eight bytes. The bytes folded into a value.
std::uint64_t ReadEvery(std::span<const std::uint8_t> bytes);
