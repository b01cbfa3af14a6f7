#pragma once

#include <cstddef>

#include "tests/support/Bytes.h"

// A stretch of equal bytes of every length from 1 to longest, each followed by
// as many bytes in which no two neighbours are equal. Packed, its runs end at
// every offset within the packer's word and block scans and around its run caps.
inline Bytes StretchesOfEveryLength(std::size_t longest = 300) {
  Bytes bytes;
  for (std::size_t length = 1; length <= longest; ++length) {
    const auto value = std::uint8_t(length);
    bytes.insert(bytes.end(), length, value);
    for (std::size_t i = 0; i < length; ++i) bytes.push_back(std::uint8_t(value + 1 + i % 2));
  }
  return bytes;
}
