#pragma once

#include <array>
#include <string>

#include "listing/ListTrack.h"

// Standard output as the file form's destination, with plain line feeds. On a
// terminal the control characters of a file name are escaped. A failed write
// shows at the end, in FlushStandardOutput.
class ConsoleListingFile : public IListingFile {
public:
  ConsoleListingFile();
  void WriteString(const std::string& text) override;

private:
  bool m_bTerminal;
};

// The screen form as text: the header texts as "Name:\t..." lines, the
// segment count, then every list line.
class ConsoleListingScreen : public IListingScreen {
public:
  void ResetList() override { m_lines.clear(); }
  void SetFieldText(FormField field, const std::string& text) override;
  void AddLine(const std::string& line) override;

  void Print() const;

private:
  std::array<std::string, 5> m_fields;
  std::string m_lines;
};

// Flushes standard output; reports a failure and returns false when anything
// written to it did not arrive.
bool FlushStandardOutput();
