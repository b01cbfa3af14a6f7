#include "cli/ConsoleListing.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "cli/DisplayName.h"
#include "cli/StderrMessageBox.h"
#include "framework/Exceptions.h"

namespace {

void Write(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

}  // namespace

ConsoleListingFile::ConsoleListingFile() : m_bTerminal(::isatty(STDOUT_FILENO) == 1) {}

void ConsoleListingFile::WriteString(const std::string& text) { Write(m_bTerminal ? DisplayListing(text) : text); }

void ConsoleListingScreen::SetFieldText(FormField field, const std::string& text) {
  m_fields[std::size_t(field)] = text;
}

void ConsoleListingScreen::AddLine(const std::string& line) {
  m_lines += line;
  m_lines += '\n';
}

void ConsoleListingScreen::Print() const {
  const auto field = [this](FormField which) -> const std::string& { return m_fields[std::size_t(which)]; };
  Write("Ride Type:\t" + field(FormField::RideType) + "\n");
  Write("Vehicle Type:\t" + field(FormField::VehicleType) + "\n");
  Write("Operating Mode:\t" + field(FormField::OperatingMode) + "\n");
  Write("File Format:\t" + field(FormField::FileFormat) + "\n");
  Write(field(FormField::SegmentCount) + "\n");
  Write(m_lines);
}

bool FlushStandardOutput() {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
  PrintMessage("", FailureReportText(CFileException::FromErrno(errno, "standard output")));
  return false;
}
