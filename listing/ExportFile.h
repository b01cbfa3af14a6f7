#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "framework/Exceptions.h"
#include "listing/ListTrack.h"

class CDecoderDoc;
class COutputGuard;
class CSafeOutputFile;

// A text file being written for an export, through the safe writer: the old
// file stays whole until Close puts the new one in its place. Every line feed
// written reaches the file as carriage return plus line feed. Writes are
// gathered in a buffer, so a listing costs a system call per buffer, not per line.
class CExportFile : public IListingFile {
public:
  CExportFile();
  // Without a successful Close the target stays as it was.
  ~CExportFile() override;
  CExportFile(const CExportFile&) = delete;
  CExportFile& operator=(const CExportFile&) = delete;

  // Prepares the file for writing. Throws CFileException when it cannot be
  // created, COutputIsInputException when guard refuses it.
  void Open(const std::string& path, const COutputGuard& guard);

  // Never throws: a failed write is kept (WriteFailure) and the rest of the
  // listing is dropped, so that the caller can say why.
  void WriteString(const std::string& text) override;

  // The first write that failed, if one did: the file can no longer be completed.
  const std::optional<CFileException>& WriteFailure() const { return m_writeFailure; }

  // Writes out the rest of the buffer and puts the file in place; throws
  // CFileException when that fails, or when a write has failed before.
  void Close();

private:
  void WriteBuffer();

  std::unique_ptr<CSafeOutputFile> m_pFile;
  std::unique_ptr<char[]> m_pBuffer;
  std::size_t m_nUsed = 0;
  std::optional<CFileException> m_writeFailure;
};

// How an export ended, for the front end to tell in its own words.
struct ExportOutcome {
  enum Result {
    Written,
    Refused,     // the path is the design's own file (also through a link)
    NotCreated,  // the file could not be created or opened
    NotWritten,  // a write failed while the listing was written
    NotClosed,   // the final flush or the rename failed
  };
  Result result = Written;
  std::string reason;  // what went wrong, as the framework words a failure; empty when written
};

// Writes the file form of the listing into the file at path ("-": standard
// output). Shows nothing: the outcome tells what happened. On any failure an
// existing file keeps its content.
ExportOutcome ExportListing(CDecoderDoc& doc, std::int32_t startElevation, const std::string& path);
