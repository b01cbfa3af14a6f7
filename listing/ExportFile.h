#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "listing/ListTrack.h"

class CDecoderDoc;

// A text file opened for an export: created, or emptied when it exists, and
// written in place. Every line feed written reaches the file as carriage return
// plus line feed. Writes are gathered in a buffer, so a listing costs a system
// call per buffer, not per line.
class CExportFile : public IListingFile {
public:
  CExportFile();
  // Closes the file if still open, dropping what could not be written.
  ~CExportFile() override;
  CExportFile(const CExportFile&) = delete;
  CExportFile& operator=(const CExportFile&) = delete;

  // Creates or truncates the file for writing. False when it cannot be opened.
  bool Open(const std::string& path);

  // Throws CFileException when the buffer cannot be written out.
  void WriteString(const std::string& text) override;

  // Writes out the rest of the buffer and closes the file; throws
  // CFileException when that fails. After a failed WriteString, which was
  // reported already, the rest is dropped and only the file is closed.
  void Close();

private:
  bool WriteBuffer();

  int m_fd = -1;
  std::string m_strFullPath;
  std::unique_ptr<char[]> m_pBuffer;
  std::size_t m_nUsed = 0;
  bool m_bWriteFailed = false;
};

// Writes the file form of the listing into the file at path. Reports its own
// failures: "Error creating output file" when the file cannot be opened, a
// failed write through the listing, a failed close as the framework reports a
// file failure. Returns true when the file was written and closed, so that the
// caller may open it for the user (also after a reported failed write, since
// the file then holds what was written).
bool ExportListing(CDecoderDoc& doc, std::int32_t startElevation, const std::string& path);
