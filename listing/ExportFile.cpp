#include "listing/ExportFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "framework/AppInfo.h"
#include "framework/Exceptions.h"
#include "framework/MessageBox.h"

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

// Without O_NONBLOCK, opening a pipe that nobody reads would wait for ever.
int OpenForExport(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd >= 0) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

}  // namespace

CExportFile::CExportFile() : m_pBuffer(new char[kBufferSize]) {}

CExportFile::~CExportFile() {
  if (m_fd >= 0) ::close(m_fd);
}

bool CExportFile::Open(const std::string& path) {
  m_fd = OpenForExport(path);
  if (m_fd < 0) return false;
  std::error_code ignored;
  m_strFullPath = std::filesystem::absolute(path, ignored).string();
  return true;
}

void CExportFile::WriteString(const std::string& text) {
  for (const char c : text) {
    // Room for a carriage return and its line feed.
    if (m_nUsed + 2 > kBufferSize && !WriteBuffer()) throw CFileException::FromErrno(errno, m_strFullPath);
    if (c == '\n') m_pBuffer[m_nUsed++] = '\r';
    m_pBuffer[m_nUsed++] = c;
  }
}

void CExportFile::Close() {
  if (m_fd < 0) return;
  // After a failed write the rest could not reach the file either, and that
  // failure has been reported already.
  const bool reported = m_bWriteFailed;
  int error = 0;
  if (!reported && !WriteBuffer()) error = errno;
  if (::close(m_fd) != 0 && error == 0 && !reported) error = errno;
  m_fd = -1;
  if (error != 0) throw CFileException::FromErrno(error, m_strFullPath);
}

bool CExportFile::WriteBuffer() {
  std::size_t done = 0;
  while (done < m_nUsed) {
    const ssize_t count = ::write(m_fd, m_pBuffer.get() + done, m_nUsed - done);
    if (count < 0) {
      if (errno == EINTR) continue;
      m_bWriteFailed = true;
      m_nUsed = 0;
      return false;
    }
    done += std::size_t(count);
  }
  m_nUsed = 0;
  return true;
}

bool ExportListing(CDecoderDoc& doc, std::int32_t startElevation, const std::string& path) {
  CExportFile file;
  if (!file.Open(path)) {
    ShowMessageBox("Error creating output file", kAppTitle, MB_OK | MB_ICONINFORMATION, MessageOwner::View);
    return false;
  }
  ListTrackToFile(doc, startElevation, file);
  try {
    file.Close();
  } catch (const CFileException& failure) {
    ShowMessageBox(FailureReportText(failure), kAppTitle, MB_OK | MB_ICONEXCLAMATION, MessageOwner::MainWindow);
    return false;
  }
  return true;
}
