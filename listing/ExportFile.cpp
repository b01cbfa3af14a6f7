#include "listing/ExportFile.h"

#include <utility>

#include "framework/AppInfo.h"
#include "framework/Exceptions.h"
#include "framework/FileAccess.h"
#include "framework/MessageBox.h"
#include "trackfile/DecoderDoc.h"

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

void ShowExportMessage(const std::string& text) {
  ShowMessageBox(text, kAppTitle, MB_OK | MB_ICONINFORMATION, MessageOwner::View);
}

}  // namespace

CExportFile::CExportFile() : m_pBuffer(new char[kBufferSize]) {}

CExportFile::~CExportFile() = default;

bool CExportFile::Open(const std::string& path, const COutputGuard& guard) {
  try {
    m_pFile = std::make_unique<CSafeOutputFile>(path, guard);
  } catch (const CFileException&) {
    return false;
  }
  return true;
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
  m_pFile->Commit();
}

void CExportFile::WriteBuffer() {
  const std::size_t count = std::exchange(m_nUsed, 0);
  try {
    m_pFile->Write({reinterpret_cast<const std::uint8_t*>(m_pBuffer.get()), count});
  } catch (const CFileException&) {
    m_bWriteFailed = true;
    throw;
  }
}

bool ExportListing(CDecoderDoc& doc, std::int32_t startElevation, const std::string& path) {
  CExportFile file;
  try {
    if (!file.Open(path, COutputGuard({doc.GetPathName()}, OutputKind::Listing))) {
      ShowExportMessage("Error creating output file");
      return false;
    }
  } catch (const COutputIsInputException& refusal) {
    ShowExportMessage(FailureReportText(refusal));
    return false;
  }
  ListTrackToFile(doc, startElevation, file);
  // The listing has reported the failed write; the old file stays as it was.
  if (file.WriteFailed()) return false;
  try {
    file.Close();
  } catch (const CFileException& failure) {
    ShowMessageBox(FailureReportText(failure), kAppTitle, MB_OK | MB_ICONEXCLAMATION, MessageOwner::MainWindow);
    return false;
  }
  return true;
}
