#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "picture/Checksums.h"

namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Adler-32 reduced after every byte: slow, but plainly right.
std::uint32_t PlainAdler32(std::span<const std::uint8_t> bytes) {
  std::uint32_t a = 1, b = 0;
  for (const std::uint8_t byte : bytes) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

TEST(ChecksumsTest, KnownValues) {
  struct Case {
    std::string_view text;
    std::uint32_t crc, adler;
  };
  const Case cases[] = {
      {"", 0x00000000, 0x00000001},
      {"123456789", 0xCBF43926, 0x091E01DE},
      {"Wikipedia", 0xADAAC02E, 0x11E60398},
      {"The quick brown fox jumps over the lazy dog", 0x414FA339, 0x5BDC0FDA},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(picture::Crc32(Bytes(c.text)), c.crc) << c.text;
    EXPECT_EQ(picture::Adler32(Bytes(c.text)), c.adler) << c.text;
  }
}

TEST(ChecksumsTest, LongInputsAndContinuedSumsAgree) {
  // Enough 0xFF bytes for the sums to pass 32 bits many times over unless reduced in time.
  const std::vector<std::uint8_t> bytes(100'000, 0xFF);
  const std::span<const std::uint8_t> all(bytes);
  EXPECT_EQ(picture::Adler32(all), PlainAdler32(all));
  for (const std::size_t split : {std::size_t(1), std::size_t(5552), std::size_t(77'777)}) {
    EXPECT_EQ(picture::Adler32(all.subspan(split), picture::Adler32(all.first(split))), picture::Adler32(all));
    EXPECT_EQ(picture::Crc32(all.subspan(split), picture::Crc32(all.first(split))), picture::Crc32(all));
  }
}

}  // namespace
