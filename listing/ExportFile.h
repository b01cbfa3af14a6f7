#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

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

  // Prepares the file for writing. False when it cannot be created; throws
  // COutputIsInputException when guard refuses it.
  bool Open(const std::string& path, const COutputGuard& guard);

  // Throws CFileException when the buffer cannot be written out.
  void WriteString(const std::string& text) override;

  // True once a write has failed: the file can no longer be completed.
  bool WriteFailed() const { return m_bWriteFailed; }

  // Writes out the rest of the buffer and puts the file in place; throws
  // CFileException when that fails.
  void Close();

private:
  void WriteBuffer();

  std::unique_ptr<CSafeOutputFile> m_pFile;
  std::unique_ptr<char[]> m_pBuffer;
  std::size_t m_nUsed = 0;
  bool m_bWriteFailed = false;
};

// Writes the file form of the listing into the file at path ("-": standard
// output). Reports its own failures: a path that is the design's own file
// (also through a link), "Error creating output file" when the file cannot be
// created, a failed write through the listing, a failed completion as the
// framework reports a file failure. On any failure an existing file keeps its
// content. Returns true when the file was written whole, so that the caller
// may open it for the user.
bool ExportListing(CDecoderDoc& doc, std::int32_t startElevation, const std::string& path);
