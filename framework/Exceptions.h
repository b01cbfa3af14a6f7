#pragma once

#include <stdexcept>
#include <string>

// Base of every failure the framework reports to the user. Code that must
// survive any framework failure (the document's load, the listing) catches this.
class CException : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// A failure of the byte archive itself, most often reading past the end of a file.
class CArchiveException : public CException {
public:
  enum Cause { generic, endOfFile };

  explicit CArchiveException(Cause cause);

  Cause m_cause;
};

// A failure of the file system while a file is opened, read or written.
class CFileException : public CException {
public:
  enum Cause {
    generic,
    fileNotFound,
    badPath,
    accessDenied,
    isFolder,
    diskFull,
    tooLarge,
    readOnly,
    folderNotFound,
    isPipe,
    isDevice,
    isSocket,
  };

  CFileException(Cause cause, int osError, std::string fileName);

  // Builds the exception that matches an errno value.
  static CFileException FromErrno(int osError, const std::string& fileName);

  Cause m_cause;
  int m_lOsError;
  std::string m_strFileName;
};

// An output that is one of the files its command has read (COutputGuard).
class COutputIsInputException : public CException {
public:
  // output: what was to be written there ("listing", "picture", "design").
  COutputIsInputException(std::string fileName, std::string output);

  std::string m_strFileName;
  std::string m_strOutput;
};

// An allocation the framework asked for could not be made.
class CMemoryException : public CException {
public:
  CMemoryException();
};

// The text the framework shows the user for a failure it caught.
std::string FailureReportText(const CException& failure);
