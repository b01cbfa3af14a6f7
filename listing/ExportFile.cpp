#include "listing/ExportFile.h"

#include <utility>

#include "framework/FileAccess.h"
#include "trackfile/DecoderDoc.h"

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

CExportFile::CExportFile() : m_pBuffer(new char[kBufferSize]) {}

CExportFile::~CExportFile() = default;

void CExportFile::Open(const std::string& path, const COutputGuard& guard) {
  m_pFile = std::make_unique<CSafeOutputFile>(path, guard);
}

void CExportFile::WriteString(const std::string& text) {
  for (const char c : text) {
    // Room for a carriage return and its line feed.
    if (m_nUsed + 2 > kBufferSize) WriteBuffer();
    if (c == '\n') m_pBuffer[m_nUsed++] = '\r';
    m_pBuffer[m_nUsed++] = c;
  }
}

void CExportFile::Close() {
  WriteBuffer();
  if (m_writeFailure) throw *m_writeFailure;
  m_pFile->Commit();
}

void CExportFile::WriteBuffer() {
  const std::size_t count = std::exchange(m_nUsed, 0);
  if (m_writeFailure) return;
  try {
    m_pFile->Write({reinterpret_cast<const std::uint8_t*>(m_pBuffer.get()), count});
  } catch (const CFileException& failure) {
    m_writeFailure = failure;
  }
}

ExportOutcome ExportListing(CDecoderDoc& doc, std::int32_t startElevation, const std::string& path) {
  CExportFile file;
  try {
    // The listing is made from the design's own file, which it must never replace.
    file.Open(path, COutputGuard({doc.GetPathName()}, OutputKind::Listing));
  } catch (const COutputIsInputException& refusal) {
    return {ExportOutcome::Refused, FailureReportText(refusal)};
  } catch (const CFileException& failure) {
    return {ExportOutcome::NotCreated, FailureReportText(failure)};
  }
  ListTrackToFile(doc, startElevation, file);
  // The old file stays as it was.
  if (file.WriteFailure()) return {ExportOutcome::NotWritten, FailureReportText(*file.WriteFailure())};
  try {
    file.Close();
  } catch (const CFileException& failure) {
    return {ExportOutcome::NotClosed, FailureReportText(failure)};
  }
  return {};
}
