#include "listing/ListTrack.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "framework/Exceptions.h"
#include "framework/MessageBox.h"
#include "listing/ListingHeader.h"
#include "listing/SegmentPass.h"
#include "trackfile/DecoderDoc.h"

namespace {

// Longest text a line can carry: the longest segment name, both lift tags and
// a turn suffix come to under 100 characters.
constexpr std::size_t kMaxText = 160;
constexpr std::size_t kMaxLine = kMaxText + 96;

// The four formats of one line shape, by elevation check.
struct CheckFormats {
  const char* level;
  const char* changing;
  const char* tooHigh;
  const char* tooLow;
};

// Single lines take F, T, then S and E; grouped lines take F, L, C, T, then S and E.
struct LineFormats {
  CheckFormats single;
  CheckFormats grouped;
};

constexpr LineFormats kScreenFormats = {
    {"%u\t\t%s (%i)", "%u\t\t%s (%i-%i)", "%u\t\t%s (TOO HIGH!)", "%u\t\t%s (TOO LOW!)"},
    {"%u-%u\t%u\t%s (%i)", "%u-%u\t%u\t%s (%i-%i)", "%u-%u\t%u\t%s (TOO HIGH!)", "%u-%u\t%u\t%s (TOO LOW!)"},
};

constexpr LineFormats kFileFormats = {
    {"%04u\t\t\t%s (%i)", "%04u\t\t\t%s (%i-%i)", "%04u\t\t\t%s (TOO HIGH!)", "%04u\t\t\t%s (TOO LOW!)"},
    {"%04u - %04u\t%u\t%s (%i)", "%04u - %04u\t%u\t%s (%i-%i)", "%04u - %04u\t%u\t%s (TOO HIGH!)",
     "%04u - %04u\t%u\t%s (TOO LOW!)"},
};

// Joins the line's text parts into text, which holds kMaxText bytes.
void JoinText(const ListingLine& line, char* text) {
  std::size_t used = 0;
  for (const std::string_view part : {line.name, line.tags, line.turnStart, line.turnEnd}) {
    const std::size_t count = std::min(part.size(), kMaxText - 1 - used);
    part.copy(text + used, count);  // an empty name has no data pointer at all
    used += count;
  }
  text[used] = '\0';
}

const char* FormatFor(const CheckFormats& formats, ElevationCheck check) {
  switch (check) {
    case ElevationCheck::Level:
      return formats.level;
    case ElevationCheck::Changing:
      return formats.changing;
    case ElevationCheck::TooHigh:
      return formats.tooHigh;
    case ElevationCheck::TooLow:
      break;
  }
  return formats.tooLow;
}

// Formats the line into out, which holds kMaxLine bytes; returns its length.
// Arguments a format does not use are ignored, so every shape gets them all.
std::size_t FormatLine(const ListingLine& line, const LineFormats& formats, char* out) {
  char text[kMaxText];
  JoinText(line, text);
  const unsigned first = unsigned(line.first) + 1;
  const int start = line.startElevation;
  const int end = line.endElevation;
  const int length =
      line.IsGrouped()
          ? std::snprintf(out, kMaxLine, FormatFor(formats.grouped, line.check), first, unsigned(line.last) + 1,
                          unsigned(line.Count()), text, start, end)
          : std::snprintf(out, kMaxLine, FormatFor(formats.single, line.check), first, text, start, end);
  return std::min(std::size_t(length), kMaxLine - 1);
}

}  // namespace

std::string ScreenLineText(const ListingLine& line) {
  char text[kMaxLine];
  return {text, FormatLine(line, kScreenFormats, text)};
}

namespace {

// Where a listing goes, and how its header looks there. The listing routine
// is instantiated once per form, so a line costs one call of the destination.
class ScreenForm {
public:
  static constexpr const LineFormats& kFormats = kScreenFormats;

  explicit ScreenForm(IListingScreen& screen) : m_screen(screen) {}

  void Begin() { m_screen.ResetList(); }

  void Header(const CDecoderDoc& doc, const ListingHeader& header) {
    m_screen.SetFieldText(FormField::RideType, header.rideType);
    m_screen.SetFieldText(FormField::VehicleType, header.vehicleType);
    m_screen.SetFieldText(FormField::OperatingMode, header.operatingMode);
    char count[64];
    std::snprintf(count, sizeof count, "Track segments (%u total):", unsigned(doc.m_nSegments));
    m_screen.SetFieldText(FormField::SegmentCount, count);
    m_screen.SetFieldText(FormField::FileFormat, std::string(EditionLabel(doc)));
  }

  void Line(const char* text, std::size_t length) {
    m_line.assign(text, length);
    m_screen.AddLine(m_line);
  }

private:
  IListingScreen& m_screen;
  std::string m_line;
};

class FileForm {
public:
  static constexpr const LineFormats& kFormats = kFileFormats;

  explicit FileForm(IListingFile& file) : m_file(file) {}

  void Begin() {}

  void Header(const CDecoderDoc& doc, const ListingHeader& header) {
    m_file.WriteString("Filename:\t" + FileName(doc.GetPathName()) + "\n");
    m_file.WriteString("Ride Type:\t" + header.rideType + "\n");
    m_file.WriteString("Vehicle Type:\t" + header.vehicleType + "\n");
    m_file.WriteString("Operating Mode:\t" + header.operatingMode + "\n\n");
  }

  void Line(const char* text, std::size_t length) {
    m_line.assign(text, length);
    m_line += '\n';
    m_file.WriteString(m_line);
  }

private:
  // The name without its folder. A backslash is an ordinary character in a
  // file name here, so only the slash separates folders.
  static std::string FileName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

  IListingFile& m_file;
  std::string m_line;
};

template <class Form>
void ListTrack(CDecoderDoc& doc, std::int32_t startElevation, Form& form) {
  form.Begin();
  try {
    if (!doc.m_pData) return;
    form.Header(doc, ReadListingHeader(doc));
    if (IsMaze(doc)) return;
    SegmentPass pass(doc, startElevation);
    ListingLine line;
    char text[kMaxLine];
    while (pass.Next(line)) form.Line(text, FormatLine(line, Form::kFormats, text));
  } catch (const CException&) {
    ShowMessageBox(kListingWriteFailure, kListingWriteFailureCaption, MB_OK | MB_ICONINFORMATION, MessageOwner::View);
  }
}

}  // namespace

void ListTrackToScreen(CDecoderDoc& doc, std::int32_t startElevation, IListingScreen& screen) {
  ScreenForm form(screen);
  ListTrack(doc, startElevation, form);
}

void ListTrackToFile(CDecoderDoc& doc, std::int32_t startElevation, IListingFile& file) {
  FileForm form(file);
  ListTrack(doc, startElevation, form);
}
