#pragma once

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "examples/DesignBuilder.h"
#include "framework/Exceptions.h"
#include "listing/ListTrack.h"
#include "tests/support/TempFolder.h"
#include "trackfile/DecoderDoc.h"

// Puts a design into doc as if it had been loaded, but directly: no checksum,
// no refusal of mazes, no reordering of the segments.
inline void FillDocument(CDecoderDoc& doc, const DesignDescription& description,
                         const std::string& path = "/designs/track.td4") {
  doc.DeleteContents();
  const std::vector<std::uint8_t> design = BuildDesign(description);
  doc.m_pData = static_cast<std::uint8_t*>(std::malloc(design.size()));
  std::memcpy(doc.m_pData, design.data(), design.size());
  doc.m_nDataLen = doc.m_nDataAlloc = int(design.size());
  doc.m_bBadChecksum = 0;
  doc.m_nSegments = int(description.segments.size());
  doc.m_pSegments = std::make_unique<TrackSegment[]>(description.segments.size());
  for (int i = 0; i < doc.m_nSegments; ++i)
    doc.m_pSegments[i] = {description.segments[i].code, description.segments[i].flags, 0, 0};
  doc.SetPathName(path);
}

class RecordingScreen : public IListingScreen {
public:
  void ResetList() override { lines.clear(); }
  void SetFieldText(FormField field, const std::string& text) override { fields[field] = text; }
  void AddLine(const std::string& line) override { lines.push_back(line); }

  std::map<FormField, std::string> fields;
  std::vector<std::string> lines;
};

// Collects what is written; the write numbered failAtWrite (from 1) and every
// later one fail as a full disk would.
class RecordingFile : public IListingFile {
public:
  explicit RecordingFile(int failAtWrite = 0) : m_failAtWrite(failAtWrite) {}
  void WriteString(const std::string& text) override {
    if (m_failAtWrite > 0 && ++m_writes >= m_failAtWrite)
      throw CFileException(CFileException::diskFull, ENOSPC, "/out/list.txt");
    this->text += text;
  }

  std::string text;

private:
  int m_failAtWrite;
  int m_writes = 0;
};

// Ten segments from a Begin station to an End station, with a chain lift.
inline DesignDescription SevenLineExample() {
  DesignDescription design;  // Steel Twister Roller Coaster, Twister cars, one train of six
  design.segments = {{2, 0x08}, {3}, {3}, {6, 0x80}, {4, 0x80}, {4, 0x80}, {4, 0x80}, {9, 0x80}, {16}, {1, 0x08}};
  return design;
}

// What the export writes for it from elevation 1, with plain line feeds.
inline const char* const kSevenLineFileText =
    "Filename:\ttrack.td4\n"
    "Ride Type:\tSteel Twister Roller Coaster\n"
    "Vehicle Type:\tTwister cars (1 6-car train)\n"
    "Operating Mode:\tContinuous Circuit Mode\n"
    "\n"
    "0001\t\t\tBegin station [terminal] (1)\n"
    "0002 - 0003\t2\tMiddle station (1)\n"
    "0004\t\t\tLevel to up [chain lift] (1-2)\n"
    "0005 - 0007\t3\tUp [chain lift] (2-5)\n"
    "0008\t\t\tUp to level [chain lift] (5)\n"
    "0009\t\t\tLeft-hand curve (5)\n"
    "0010\t\t\tEnd station [terminal] (5)\n";

inline const std::vector<std::string> kSevenLineScreenLines = {
    "1\t\tBegin station [terminal] (1)",  "2-3\t2\tMiddle station (1)",
    "4\t\tLevel to up [chain lift] (1-2)", "5-7\t3\tUp [chain lift] (2-5)",
    "8\t\tUp to level [chain lift] (5)",   "9\t\tLeft-hand curve (5)",
    "10\t\tEnd station [terminal] (5)",
};

// text as an export file holds it: every line feed after a carriage return.
inline std::string WithCarriageReturns(const std::string& text) {
  std::string crlf;
  for (const char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return crlf;
}

inline std::string ReadText(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  return {bytes.begin(), bytes.end()};
}
