#include "picture/PngEncoder.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "picture/Checksums.h"

namespace picture {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kBitDepth = 8;
constexpr std::uint8_t kTruecolour = 2;
constexpr std::uint8_t kNoFilter = 0;
// zlib header: deflate with a 32 KiB window, no preset dictionary, and the
// check bits that make the two bytes a multiple of 31.
constexpr std::array<std::uint8_t, 2> kZlibHeader = {0x78, 0x01};
constexpr std::size_t kMaxStoredBlock = 65535;

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(value >> shift));
}

// Appends one chunk: length, type, data, and the CRC over type and data.
void PutChunk(std::vector<std::uint8_t>& out, std::string_view type, std::span<const std::uint8_t> data) {
  PutBigEndian(out, std::uint32_t(data.size()));
  const std::size_t typeStart = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, Crc32(std::span(out).subspan(typeStart)));
}

// Every row prefixed with its filter type, as the PNG stream wants it.
std::vector<std::uint8_t> FilteredRows(const RgbImage& image) {
  const std::size_t rowBytes = std::size_t(image.width) * 3;
  std::vector<std::uint8_t> rows;
  rows.reserve((rowBytes + 1) * std::size_t(image.height));
  for (int y = 0; y < image.height; ++y) {
    rows.push_back(kNoFilter);
    const std::uint8_t* row = image.Pixel(0, y);
    rows.insert(rows.end(), row, row + rowBytes);
  }
  return rows;
}

// A zlib stream holding raw in stored blocks of at most 65535 bytes each.
std::vector<std::uint8_t> StoredZlibStream(std::span<const std::uint8_t> raw) {
  std::vector<std::uint8_t> stream(kZlibHeader.begin(), kZlibHeader.end());
  std::span<const std::uint8_t> rest = raw;
  do {
    const std::size_t length = std::min(rest.size(), kMaxStoredBlock);
    const bool last = length == rest.size();
    stream.push_back(last ? 1 : 0);  // BFINAL, and BTYPE 00: stored
    stream.push_back(std::uint8_t(length));
    stream.push_back(std::uint8_t(length >> 8));
    stream.push_back(std::uint8_t(~length));
    stream.push_back(std::uint8_t(~length >> 8));
    stream.insert(stream.end(), rest.begin(), rest.begin() + std::ptrdiff_t(length));
    rest = rest.subspan(length);
  } while (!rest.empty());
  PutBigEndian(stream, Adler32(raw));
  return stream;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const RgbImage& image) {
  std::vector<std::uint8_t> png(kSignature.begin(), kSignature.end());
  std::vector<std::uint8_t> header;
  PutBigEndian(header, std::uint32_t(image.width));
  PutBigEndian(header, std::uint32_t(image.height));
  header.insert(header.end(), {kBitDepth, kTruecolour, 0, 0, 0});  // deflate, adaptive filtering, no interlace
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", StoredZlibStream(FilteredRows(image)));
  PutChunk(png, "IEND", {});
  return png;
}

}  // namespace picture
