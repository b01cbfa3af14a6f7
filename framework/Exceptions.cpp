#include "framework/Exceptions.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

CArchiveException::CArchiveException(Cause cause)
    : CException(cause == endOfFile ? "archive: end of file" : "archive: failure"), m_cause(cause) {}

CFileException::CFileException(Cause cause, int osError, std::string fileName)
    : CException("file error: " + fileName), m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName)) {}

CFileException CFileException::FromErrno(int osError, const std::string& fileName) {
  switch (osError) {
    case ENOENT:
      return {fileNotFound, osError, fileName};
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return {badPath, osError, fileName};
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case ENXIO:
      return {accessDenied, osError, fileName};
    case EISDIR:
      return {isFolder, osError, fileName};
    case ENOSPC:
    case EDQUOT:
      return {diskFull, osError, fileName};
    case EFBIG:
      return {tooLarge, osError, fileName};
    default:
      return {generic, osError, fileName};
  }
}

COutputIsInputException::COutputIsInputException(std::string fileName, std::string output)
    : CException("output is input: " + fileName), m_strFileName(std::move(fileName)), m_strOutput(std::move(output)) {}

CMemoryException::CMemoryException() : CException("out of memory") {}

namespace {

std::string FolderOf(const std::string& name) {
  const std::string folder = std::filesystem::path(name).parent_path().string();
  return folder.empty() ? "." : folder;
}

std::string FileFailureText(const CFileException& failure) {
  const std::string& name = failure.m_strFileName;
  switch (failure.m_cause) {
    case CFileException::fileNotFound:
      return name + " was not found.";
    case CFileException::badPath:
      return name + " contains an invalid path.";
    case CFileException::accessDenied:
      return name + " could not be accessed.";
    case CFileException::isFolder:
      return name + " is a folder, not a file.";
    case CFileException::diskFull:
      return "Disk full while accessing " + name + ".";
    case CFileException::tooLarge:
      return name + " is too large.";
    case CFileException::readOnly:
      return name + " is read-only.";
    case CFileException::folderNotFound:
      return "The folder " + FolderOf(name) + " does not exist.";
    case CFileException::isPipe:
      return name + " is a named pipe, not a file.";
    case CFileException::isDevice:
      return name + " is a device, not a file.";
    case CFileException::isSocket:
      return name + " is a socket, not a file.";
    case CFileException::generic:
      break;
  }
  std::string text = "An unexpected error occurred while accessing " + name + ".";
  if (failure.m_lOsError != 0) text += "\n" + std::string(std::strerror(failure.m_lOsError));
  return text;
}

}  // namespace

std::string FailureReportText(const CException& failure) {
  if (const auto* file = dynamic_cast<const CFileException*>(&failure)) return FileFailureText(*file);
  if (const auto* archive = dynamic_cast<const CArchiveException*>(&failure);
      archive && archive->m_cause == CArchiveException::endOfFile)
    return "Unexpected file format.";
  if (const auto* input = dynamic_cast<const COutputIsInputException*>(&failure))
    return input->m_strFileName + " is the design file itself; choose another file for the " + input->m_strOutput +
           ".";
  if (dynamic_cast<const CMemoryException*>(&failure)) return "Out of memory.";
  return "An unexpected error occurred.";
}
