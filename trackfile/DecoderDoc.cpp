#include "trackfile/DecoderDoc.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/AppInfo.h"
#include "framework/Archive.h"
#include "framework/MessageBox.h"
#include "trackfile/PackedCodec.h"
#include "vocabulary/SegmentCodes.h"

namespace {

void ReportTrackDataError() {
  ShowMessageBox("Error processing track data.", kAppTitle, MB_OK | MB_ICONINFORMATION, MessageOwner::MainWindow);
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
    LoadDesign(ar);
  else
    StoreDesign(ar);
}

std::uint64_t CDecoderDoc::MaxLoadLength() const {
  // Every complete run yields at least one byte for each two it takes from the
  // file, so the buffer passes its cap before the unpacker has taken twice the
  // cap; the margin covers the run in progress and the trailer.
  return 2 * std::uint64_t(kMaxDesignLength) + 4096;
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

void CDecoderDoc::LoadDesign(CArchive& ar) {
  std::uint32_t checksum = 0;
  if (!UnpackBody(ar, checksum)) {
    // Said aloud so that the open is not mistaken for a success with nothing in it.
    DeleteContents();
    ReportTrackDataError();
    return;
  }
  std::uint32_t trailer = 0;
  ar >> trailer;
  CompareTrailer(trailer, checksum);

  if (m_bBadChecksum && !ConfirmBadChecksum(trailer, checksum)) {
    DeleteContents();
    return;
  }
  if (m_nDataLen > 0 && m_pData[0] == RideType::HedgeMaze) {
    ShowMessageBox("Hedge mazes are not supported", kAppTitle, MB_OK, MessageOwner::None);
    DeleteContents();
    return;
  }
  try {
    ParseTrackList();
  } catch (const CException&) {
    ReportTrackDataError();
    DeleteContents();
  }
}

bool CDecoderDoc::UnpackBody(CArchive& ar, std::uint32_t& checksum) {
  const std::int64_t limit = std::int64_t(ar.GetLength()) - 4;
  std::int64_t consumed = 0;
  while (consumed < limit) {
    std::uint8_t count = 0;
    ar >> count;
    ChecksumStep(checksum, count);
    ++consumed;
    if (count & 0x80) {
      const int length = 257 - count;  // -(signed count) + 1: 2..129
      if (!GrowData(length)) return false;
      std::uint8_t value = 0;
      ar >> value;
      ChecksumStep(checksum, value);
      ++consumed;
      std::memset(m_pData + m_nDataLen - length, value, std::size_t(length));
    } else {
      const int length = count + 1;
      if (!GrowData(length)) return false;
      consumed += length;
      const std::span<const std::uint8_t> literal = ar.ReadBytes(std::size_t(length));
      for (const std::uint8_t byte : literal) ChecksumStep(checksum, byte);
      std::memcpy(m_pData + m_nDataLen - length, literal.data(), literal.size());
    }
  }
  return true;
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

bool CDecoderDoc::ConfirmBadChecksum(std::uint32_t trailer, std::uint32_t checksum) const {
  char text[128];
  std::snprintf(text, sizeof text, "Checksum calculation failed.\nExpected = 0X%08x\nActual = 0X%08x\n\nContinue anyway?",
                unsigned(trailer), unsigned(checksum - kAltChecksumOffset));
  return ShowMessageBox(text, kAppTitle, MB_YESNO | MB_ICONQUESTION, MessageOwner::MainWindow) == IDYES;
}

void CDecoderDoc::StoreDesign(CArchive& ar) {
  const int rotation = m_bOpenCircuit ? 0 : RotationToFileOrder();
  if (!m_bOpenCircuit) {
    RotateSegmentsBy(rotation);
    StoreTrackList();
  }
  PackDesign({m_pData, std::size_t(m_nDataLen)}, m_bAltChecksum ? kAltChecksumOffset : kNormalChecksumOffset, ar);
  if (rotation != 0) ParseTrackList();
  SetModifiedFlag(false);
}
