#include "trackfile/PackedCodec.h"

#include "framework/Archive.h"

namespace {

constexpr std::size_t kLongestRepeatRun = 125;
constexpr std::size_t kLongestLiteralRun = 124;

// Writes body bytes to the archive while keeping the running checksum.
class BodyWriter {
public:
  explicit BodyWriter(CArchive& archive) : m_archive(archive) {}

  void Put(std::uint8_t byte) {
    ChecksumStep(m_checksum, byte);
    m_archive << byte;
  }

  void Put(std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t byte : bytes) ChecksumStep(m_checksum, byte);
    m_archive.WriteBytes(bytes);
  }

  std::uint32_t Checksum() const { return m_checksum; }

private:
  CArchive& m_archive;
  std::uint32_t m_checksum = 0;
};

// Length of the run of bytes equal to design[start], capped at the longest repeat run.
std::size_t RepeatLength(std::span<const std::uint8_t> design, std::size_t start) {
  const std::size_t limit = std::min(design.size(), start + kLongestRepeatRun);
  std::size_t end = start + 1;
  while (end < limit && design[end] == design[start]) ++end;
  return end - start;
}

// Length of the literal run at start: it stops just before the next pair of equal
// neighbours, so that the pair begins a repeat run of its own.
std::size_t LiteralLength(std::span<const std::uint8_t> design, std::size_t start) {
  const std::size_t last = std::min(start + kLongestLiteralRun - 1, design.size() - 2);
  for (std::size_t pos = start + 1; pos <= last; ++pos)
    if (design[pos] == design[pos + 1]) return pos - start;
  return std::min(kLongestLiteralRun, design.size() - start);
}

}  // namespace

void PackDesign(std::span<const std::uint8_t> design, std::uint32_t checksumOffset, CArchive& archive) {
  archive.ReserveForWriting(design.size() + design.size() / kLongestLiteralRun + 8);
  BodyWriter body(archive);
  std::size_t pos = 0;
  while (pos < design.size()) {
    const std::size_t remaining = design.size() - pos;
    if (remaining == 1) {
      body.Put(0x00);
      body.Put(design[pos]);
      break;
    }
    if (design[pos] == design[pos + 1]) {
      const std::size_t length = RepeatLength(design, pos);
      body.Put(std::uint8_t(1 - int(length)));
      body.Put(design[pos]);
      pos += length;
    } else {
      const std::size_t length = LiteralLength(design, pos);
      body.Put(std::uint8_t(length - 1));
      body.Put(design.subspan(pos, length));
      pos += length;
    }
  }
  archive << std::uint32_t(body.Checksum() - checksumOffset);
}
