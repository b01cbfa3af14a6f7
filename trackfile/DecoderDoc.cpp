#include "trackfile/DecoderDoc.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/AppInfo.h"
#include "framework/Archive.h"
#include "trackfile/PackedCodec.h"
#include "vocabulary/SegmentCodes.h"

namespace {

// The design buffer while a body unpacks into it. Pointer, length and
// allocation are held here rather than read from the document each run: the
// runs' byte stores may alias the document's members, which would make the
// compiler reload and store them around every run. Growth beyond the
// allocation still goes through GrowData; Finish() hands the length back.
class UnpackTarget {
public:
  explicit UnpackTarget(CDecoderDoc& doc)
      : m_doc(doc), m_pData(doc.m_pData), m_nLength(doc.m_nDataLen), m_nAlloc(doc.m_nDataAlloc) {}

  // GrowData for count more bytes: the same test decides when the allocation must grow.
  bool Grow(int count) {
    if (m_nLength + count < m_nAlloc) [[likely]] {
      m_nLength += count;
      return true;
    }
    m_doc.m_nDataLen = m_nLength;
    const bool grown = m_doc.GrowData(count);
    m_pData = m_doc.m_pData;
    m_nLength = m_doc.m_nDataLen;
    m_nAlloc = m_doc.m_nDataAlloc;
    return grown;
  }

  // Writes value over the last length (2..129) bytes grown. A run of up to
  // kInlineFill bytes is written as kInlineFill bytes where the allocation
  // has room: a fill of fixed size is stored inline rather than by a call, so
  // it overlaps the checksum's serial chain. Later runs overwrite the excess.
  void Repeat(int length, std::uint8_t value) {
    const int start = m_nLength - length;
    if (length <= kInlineFill && m_nAlloc - start >= kInlineFill)
      std::memset(m_pData + start, value, kInlineFill);
    else
      std::memset(m_pData + start, value, std::size_t(length));
  }

  // Writes first, then rest, over the last 1 + rest.size() bytes grown.
  void Copy(std::uint8_t first, std::span<const std::uint8_t> rest) {
    std::uint8_t* const out = m_pData + m_nLength - 1 - int(rest.size());
    out[0] = first;
    std::memcpy(out + 1, rest.data(), rest.size());
  }

  void Finish() { m_doc.m_nDataLen = m_nLength; }

private:
  static constexpr int kInlineFill = 128;

  CDecoderDoc& m_doc;
  std::uint8_t* m_pData;
  int m_nLength;
  int m_nAlloc;
};

Outcome TrackDataError() {
  return Outcome::Refusal({"Error processing track data.", kAppTitle, MB_OK | MB_ICONINFORMATION,
                           MessageOwner::MainWindow});
}

MessageBoxRequest BadChecksumQuestion(std::uint32_t trailer, std::uint32_t checksum) {
  char text[128];
  std::snprintf(text, sizeof text, "Checksum calculation failed.\nExpected = 0X%08x\nActual = 0X%08x\n\nContinue anyway?",
                unsigned(trailer), unsigned(checksum - kAltChecksumOffset));
  return {text, kAppTitle, MB_YESNO | MB_ICONQUESTION, MessageOwner::MainWindow};
}

}  // namespace

CDecoderDoc::~CDecoderDoc() { std::free(m_pData); }

void CDecoderDoc::DeleteContents() {
  std::free(m_pData);
  m_pData = nullptr;
  m_pSegments.reset();
  m_nSegments = 0;
  m_nDataAlloc = 0;
  m_nDataLen = 0;
  m_bOpenCircuit = 0;
  m_bAltChecksum = 0;
  m_bBadChecksum = 1;
}

void CDecoderDoc::Serialize(CArchive& ar) {
  if (ar.IsLoading())
    LoadDesign(ar, {});
  else
    StoreDesign(ar);
}

Outcome CDecoderDoc::Load(CArchive& ar, const AskQuestion& ask) { return LoadDesign(ar, ask); }

std::uint64_t CDecoderDoc::MaxLoadLength() const {
  // Every complete run yields at least one byte for each two it takes from the
  // file, so the buffer passes its cap before the unpacker has taken twice the
  // cap; the margin covers the run in progress and the trailer.
  return 2 * std::uint64_t(kMaxDesignLength) + 4096;
}

std::uint64_t CDecoderDoc::MostUnpackedFrom(std::uint64_t fileBytes) {
  // A repeat run takes two bytes of the file and gives 129.
  return std::min<std::uint64_t>(fileBytes / 2 * 129 + 129, kMaxDesignLength);
}

bool CDecoderDoc::GrowData(int count) {
  if (m_nDataLen + count < m_nDataAlloc) {
    m_nDataLen += count;
    return true;
  }
  if (m_nDataLen + count > kMaxDesignLength) return false;
  // Growing by half again (in whole steps) rather than by one step keeps a large
  // design from being copied over and over as it unpacks.
  const int wanted = std::max(m_nDataAlloc + kGrowStep, m_nDataAlloc + m_nDataAlloc / 2);
  const int allocation = std::min((wanted + kGrowStep - 1) / kGrowStep * kGrowStep, kMaxDesignLength + kGrowStep);
  void* grown = std::realloc(m_pData, std::size_t(allocation));
  if (!grown) return false;
  m_pData = static_cast<std::uint8_t*>(grown);
  m_nDataAlloc = allocation;
  m_nDataLen += count;
  return true;
}

Outcome CDecoderDoc::LoadDesign(CArchive& ar, const AskQuestion& ask) {
  std::uint32_t checksum = 0;
  const int stuck = UnpackBody(ar, checksum);
  if (stuck > 0) {
    // Said aloud so that the open is not mistaken for a success with nothing in it.
    const bool tooLarge = m_nDataLen + stuck > kMaxDesignLength;
    DeleteContents();
    if (tooLarge) throw CFileException(CFileException::tooLarge, EFBIG, ar.GetFileName());
    throw CMemoryException();
  }
  std::uint32_t trailer = 0;
  ar >> trailer;
  CompareTrailer(trailer, checksum);

  if (m_bBadChecksum) {
    MessageBoxRequest question = BadChecksumQuestion(trailer, checksum);
    if (!AnswersYes(ask, question)) {
      DeleteContents();
      return Outcome::Declined(std::move(question));
    }
  }
  if (m_nDataLen > 0 && m_pData[0] == RideType::HedgeMaze) {
    DeleteContents();
    return Outcome::Refusal({"Hedge mazes are not supported", kAppTitle, MB_OK, MessageOwner::None});
  }
  try {
    ParseTrackList();
  } catch (const CException&) {
    DeleteContents();
    return TrackDataError();
  }
  return {};
}

int CDecoderDoc::UnpackBody(CArchive& ar, std::uint32_t& checksum) {
  const std::int64_t limit = std::int64_t(ar.GetLength()) - 4;
  std::int64_t consumed = 0;
  // Kept in a register for the whole body; see ChecksumStep.
  std::uint32_t running = checksum;
  UnpackTarget design(*this);
  while (consumed < limit) {
    // Every run has a byte after its count, and the limit leaves the trailer's
    // four bytes beyond that: both are read at once, which cannot end the load
    // where reading them one by one would not.
    const std::span<const std::uint8_t> head = ar.ReadBytes(2);
    const std::uint8_t count = head[0];
    ChecksumStep(running, count);
    ChecksumStep(running, head[1]);
    consumed += 2;
    if (count & 0x80) {
      const int length = 257 - count;  // -(signed count) + 1: 2..129
      if (!design.Grow(length)) return length;
      design.Repeat(length, head[1]);
    } else {
      const int length = count + 1;
      if (!design.Grow(length)) return length;
      consumed += length - 1;
      const std::span<const std::uint8_t> rest = ar.ReadBytes(std::size_t(length - 1));
      for (const std::uint8_t byte : rest) ChecksumStep(running, byte);
      design.Copy(head[1], rest);
    }
  }
  design.Finish();
  checksum = running;
  return 0;
}

void CDecoderDoc::CompareTrailer(std::uint32_t trailer, std::uint32_t checksum) {
  if (trailer == checksum - kNormalChecksumOffset) {
    m_bBadChecksum = 0;
    m_bAltChecksum = 0;
  } else if (trailer == checksum - kAltChecksumOffset) {
    m_bBadChecksum = 0;
    m_bAltChecksum = 1;
  } else {
    m_bBadChecksum = 1;
  }
}

int CDecoderDoc::PutTrackListInFileOrder() {
  if (m_bOpenCircuit) return 0;
  const int rotation = RotationToFileOrder();
  RotateSegmentsBy(rotation);
  StoreTrackList();
  return rotation;
}

void CDecoderDoc::StoreDesign(CArchive& ar) {
  const int rotation = PutTrackListInFileOrder();
  PackDesign({m_pData, std::size_t(m_nDataLen)}, m_bAltChecksum ? kAltChecksumOffset : kNormalChecksumOffset, ar);
  if (rotation != 0) ParseTrackList();
  SetModifiedFlag(false);
}
