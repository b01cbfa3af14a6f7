#include "cli/ConsoleListing.h"

#include <cerrno>
#include <cstdio>

#include "framework/AppInfo.h"
#include "framework/Exceptions.h"
#include "framework/MessageBox.h"

namespace {

void Write(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

}  // namespace

void ConsoleListingFile::WriteString(const std::string& text) { Write(text); }

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
  const CFileException failure = CFileException::FromErrno(errno, "standard output");
  ShowMessageBox(FailureReportText(failure), kAppTitle, MB_OK | MB_ICONEXCLAMATION, MessageOwner::MainWindow);
  return false;
}
