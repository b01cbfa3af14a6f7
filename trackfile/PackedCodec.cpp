#include "trackfile/PackedCodec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "framework/Archive.h"

namespace {

constexpr std::size_t kLongestRepeatRun = 125;
constexpr std::size_t kLongestLiteralRun = 124;

// Most runs of a real design are short: their first bytes are scanned one by
// one, so that the branch predictor runs ahead into the next run where a
// computed length would make it wait. Longer runs go a word at a time.
constexpr std::size_t kShortRun = 16;

// The word scans compare eight bytes at once, in the machine's byte order.
constexpr std::size_t kWord = sizeof(std::uint64_t);
constexpr std::size_t kBlock = 16 * kWord;
constexpr std::uint64_t kEveryByte = 0x0101010101010101u;
constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7Fu;
constexpr std::uint64_t kTopBits = 0x8080808080808080u;

std::uint64_t LoadWord(const std::uint8_t* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// The top bit of every byte of word that is not zero. Exact: no byte's carry reaches another.
std::uint64_t NonZeroBytes(std::uint64_t word) { return (((word & kLowBits) + kLowBits) | word) & kTopBits; }

// Index, in memory order, of the first byte flagged in a nonzero mask.
std::size_t FirstFlaggedByte(std::uint64_t mask) {
  if constexpr (std::endian::native == std::endian::little)
    return std::size_t(std::countr_zero(mask)) / 8;
  else
    return std::size_t(std::countl_zero(mask)) / 8;
}

// Whether the kBlock bytes from bytes all equal the byte that pattern repeats.
// No early exit, so that the compiler overlaps (or vectorizes) the loads.
bool BlockEquals(const std::uint8_t* bytes, std::uint64_t pattern) {
  std::uint64_t differs = 0;
  for (std::size_t offset = 0; offset < kBlock; offset += kWord) differs |= LoadWord(bytes + offset) ^ pattern;
  return differs == 0;
}

// Number of bytes from start on, up to the end of the design, that equal design[start].
std::size_t StretchLength(std::span<const std::uint8_t> design, std::size_t start) {
  const std::uint8_t value = design[start];
  std::size_t end = start + 1;
  for (const std::size_t shortEnd = std::min(design.size(), start + kShortRun); end < shortEnd; ++end)
    if (design[end] != value) return end - start;
  const std::uint64_t pattern = value * kEveryByte;
  while (end + kBlock <= design.size() && BlockEquals(&design[end], pattern)) end += kBlock;
  for (; end + kWord <= design.size(); end += kWord) {
    const std::uint64_t differs = NonZeroBytes(LoadWord(&design[end]) ^ pattern);
    if (differs) return end + FirstFlaggedByte(differs) - start;
  }
  while (end < design.size() && design[end] == value) ++end;
  return end - start;
}

// Length of the literal run at start: it stops just before the next pair of equal
// neighbours, so that the pair begins a repeat run of its own.
std::size_t LiteralLength(std::span<const std::uint8_t> design, std::size_t start) {
  const std::size_t last = std::min(start + kLongestLiteralRun - 1, design.size() - 2);
  std::size_t pos = start + 1;
  for (const std::size_t shortLast = std::min(last, start + kShortRun); pos <= shortLast; ++pos)
    if (design[pos] == design[pos + 1]) return pos - start;
  for (; pos + kWord <= last + 1; pos += kWord) {
    const std::uint64_t pairs = ~NonZeroBytes(LoadWord(&design[pos]) ^ LoadWord(&design[pos + 1])) & kTopBits;
    if (pairs) return pos + FirstFlaggedByte(pairs) - start;
  }
  for (; pos <= last; ++pos)
    if (design[pos] == design[pos + 1]) return pos - start;
  return std::min(kLongestLiteralRun, design.size() - start);
}

// Collects the packed body in blocks and hands each to the archive whole.
// Every byte is taken into the caller's running checksum as it is written, so
// that the checksum's serial chain overlaps the scanning of the design.
class BodyWriter {
public:
  explicit BodyWriter(CArchive& archive) : m_archive(archive) {}

  void Repeat(std::uint32_t& checksum, std::size_t length, std::uint8_t value) {
    Reserve(2);
    Put(checksum, std::uint8_t(1 - int(length)));
    Put(checksum, value);
  }

  void Literal(std::uint32_t& checksum, std::span<const std::uint8_t> bytes) {
    Reserve(1 + bytes.size());
    Put(checksum, std::uint8_t(bytes.size() - 1));
    // One loop takes each byte into the checksum and copies it: a short
    // literal would spend more on a call to memcpy than on its bytes.
    std::uint8_t* out = &m_block[m_used];
    for (const std::uint8_t byte : bytes) {
      ChecksumStep(checksum, byte);
      *out++ = byte;
    }
    m_used += bytes.size();
  }

  void Flush() {
    m_archive.WriteBytes({m_block.data(), m_used});
    m_used = 0;
  }

private:
  static constexpr std::size_t kBlockSize = 4096;

  void Reserve(std::size_t count) {
    if (m_used + count > kBlockSize) Flush();
  }

  void Put(std::uint32_t& checksum, std::uint8_t byte) {
    ChecksumStep(checksum, byte);
    m_block[m_used++] = byte;
  }

  CArchive& m_archive;
  std::size_t m_used = 0;
  std::array<std::uint8_t, kBlockSize> m_block;
};

}  // namespace

void PackDesign(std::span<const std::uint8_t> design, std::uint32_t checksumOffset, CArchive& archive) {
  archive.ReserveForWriting(design.size() + design.size() / kLongestLiteralRun + 8);
  BodyWriter body(archive);
  std::uint32_t checksum = 0;  // a local, so that it stays in a register; see ChecksumStep
  std::size_t pos = 0;
  while (pos < design.size()) {
    if (design.size() - pos == 1) {
      body.Literal(checksum, design.subspan(pos, 1));
      ++pos;
    } else if (design[pos] == design[pos + 1]) {
      // A stretch of equal bytes is written as repeat runs of the longest length
      // and one shorter; a single byte left over begins the next literal run.
      const std::uint8_t value = design[pos];
      for (std::size_t stretch = StretchLength(design, pos); stretch >= 2;) {
        const std::size_t length = std::min(stretch, kLongestRepeatRun);
        body.Repeat(checksum, length, value);
        pos += length;
        stretch -= length;
      }
    } else {
      const std::size_t length = LiteralLength(design, pos);
      body.Literal(checksum, design.subspan(pos, length));
      pos += length;
    }
  }
  body.Flush();
  archive << std::uint32_t(checksum - checksumOffset);
}
