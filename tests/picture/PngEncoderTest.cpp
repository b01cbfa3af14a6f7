#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "picture/Checksums.h"
#include "picture/PngEncoder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t BigEndian(const Bytes& bytes, std::size_t at) {
  return std::uint32_t(bytes.at(at)) << 24 | std::uint32_t(bytes.at(at + 1)) << 16 |
         std::uint32_t(bytes.at(at + 2)) << 8 | bytes.at(at + 3);
}

struct Chunk {
  std::string type;
  Bytes data;
};

// Splits a PNG file into its chunks, checking the signature and every chunk's CRC.
std::vector<Chunk> ReadChunks(const Bytes& png) {
  const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_EQ(Bytes(png.begin(), png.begin() + 8), signature);
  std::vector<Chunk> chunks;
  for (std::size_t at = 8; at < png.size();) {
    const std::size_t length = BigEndian(png, at);
    const auto typeAndData = std::span(png).subspan(at + 4, 4 + length);
    EXPECT_EQ(BigEndian(png, at + 8 + length), picture::Crc32(typeAndData));
    chunks.push_back(
        {std::string(typeAndData.begin(), typeAndData.begin() + 4), Bytes(typeAndData.begin() + 4, typeAndData.end())});
    at += 12 + length;
  }
  return chunks;
}

// Unpacks a zlib stream made of stored deflate blocks, checking its header,
// every block's length pair, that only the last block is final, and the Adler-32.
Bytes InflateStored(const Bytes& stream) {
  EXPECT_EQ(stream.at(0) & 0x0F, 8);  // deflate
  EXPECT_EQ((stream.at(0) * 256 + stream.at(1)) % 31, 0);
  Bytes raw;
  std::size_t at = 2;
  bool final = false;
  while (!final) {
    final = stream.at(at) & 1;
    EXPECT_EQ(stream.at(at) >> 1, 0) << "stored block type";
    const unsigned length = stream.at(at + 1) | stream.at(at + 2) << 8;
    const unsigned complement = stream.at(at + 3) | stream.at(at + 4) << 8;
    EXPECT_EQ(length ^ complement, 0xFFFFu);
    raw.insert(raw.end(), stream.begin() + std::ptrdiff_t(at + 5), stream.begin() + std::ptrdiff_t(at + 5 + length));
    at += 5 + length;
  }
  EXPECT_EQ(BigEndian(stream, at), picture::Adler32(raw));
  EXPECT_EQ(at + 4, stream.size());
  return raw;
}

TEST(PngEncoderTest, DecodesBackToTheImage) {
  struct Case {
    int width, height;
    std::size_t storedBlocks;
  };
  const Case cases[] = {
      {3, 2, 1}, {1, 1, 1}, {200, 150, 2},  // 90150 bytes of rows: more than one stored block holds
  };
  for (const Case& c : cases) {
    picture::RgbImage image(c.width, c.height, {});
    for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = std::uint8_t(i * 7 + i / 3);
    const std::vector<Chunk> chunks = ReadChunks(picture::EncodePng(image));
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].type, "IHDR");
    EXPECT_EQ(chunks[1].type, "IDAT");
    EXPECT_EQ(chunks[2].type, "IEND");
    EXPECT_TRUE(chunks[2].data.empty());
    const Bytes& header = chunks[0].data;
    ASSERT_EQ(header.size(), 13u);
    EXPECT_EQ(BigEndian(header, 0), std::uint32_t(c.width));
    EXPECT_EQ(BigEndian(header, 4), std::uint32_t(c.height));
    EXPECT_EQ(Bytes(header.begin() + 8, header.end()), (Bytes{8, 2, 0, 0, 0}));  // 8-bit RGB

    // Every row is its filter byte (0, none) and the row's pixels.
    Bytes rows;
    for (int y = 0; y < c.height; ++y) {
      rows.push_back(0);
      rows.insert(rows.end(), image.Pixel(0, y), image.Pixel(0, y) + 3 * c.width);
    }
    EXPECT_EQ(InflateStored(chunks[1].data), rows) << c.width << "x" << c.height;
    const std::size_t blockHeaders = chunks[1].data.size() - 2 - 4 - rows.size();
    EXPECT_EQ(blockHeaders, 5 * c.storedBlocks);
  }
}

}  // namespace
