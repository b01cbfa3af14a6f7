#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CDecoderDoc;
struct TrackSegment;

// The five texts of the decoder form that a listing sets.
enum class FormField { RideType, VehicleType, OperatingMode, SegmentCount, FileFormat };

// The on-screen destination of a listing: the form's texts and its list of lines.
class IListingScreen {
public:
  virtual ~IListingScreen() = default;
  // Empties the list of lines; the texts keep what they show.
  virtual void ResetList() = 0;
  virtual void SetFieldText(FormField field, const std::string& text) = 0;
  // Appends one line at the end of the list.
  virtual void AddLine(const std::string& line) = 0;
};

// The file destination of a listing: an open text file. WriteString throws
// CFileException when the write fails.
class IListingFile {
public:
  virtual ~IListingFile() = default;
  virtual void WriteString(const std::string& text) = 0;
};

// The range of elevations in which track can be built.
inline constexpr std::int32_t kLowestBuildableElevation = 1;
inline constexpr std::int32_t kHighestBuildableElevation = 61;

// How a listing line's elevations compare with the buildable range.
enum class ElevationCheck { Level, Changing, TooHigh, TooLow };

// One line of the listing: a single segment or a run of matching ones.
//
// The text is held as views of constant strings (the name tables and the fixed
// tags), so a line costs no allocation; Text() joins them.
struct ListingLine {
  int first;  // 0-based index of the first segment of the line
  int last;   // 0-based index of the last segment of the line
  std::string_view name;       // segment name, or the ride type's own name for it
  std::string_view tags;       // " [terminal]", " [22 mph]", " [chain lift] [inverted]", ... or empty
  std::string_view turnStart;  // large-radius curves: ", ortho to " or ", diagonal to "; else empty
  std::string_view turnEnd;    // large-radius curves: "diagonal" or "ortho"; else empty
  std::int32_t startElevation;
  std::int32_t endElevation;
  ElevationCheck check;

  int Count() const { return last - first + 1; }
  bool IsGrouped() const { return last > first; }
  // Name, tags and turn suffix as one text.
  std::string Text() const;
};

// The line as the list on screen shows it: numbers, count and text (elevations), between tabs.
std::string ScreenLineText(const ListingLine& line);

// True when segment b, which directly follows segment a, may share a listing line with it.
bool SegmentsMatch(const TrackSegment& a, const TrackSegment& b);

// The design's edition as the form shows it: "Unknown", "Merovale", "Zanthera" or "Original Tivora".
std::string_view EditionLabel(const CDecoderDoc& doc);

// Computes every segment's elevations from startElevation (writing them into the
// document's records) and groups the segments into lines. No design, or a maze: no lines.
std::vector<ListingLine> ListSegments(CDecoderDoc& doc, std::int32_t startElevation);

// The screen form: empties the list, sets the five texts and adds every line.
// A failure of the screen (a CException) is reported like a failed write.
void ListTrackToScreen(CDecoderDoc& doc, std::int32_t startElevation, IListingScreen& screen);

// How a listing tells of a write that failed, in words and caption of its own.
inline constexpr const char* kListingWriteFailure = "Error writing output file";
inline constexpr const char* kListingWriteFailureCaption = "Track Decoder";

// The file form: writes the header lines and every line to file, each ended by
// a line feed. A failed write is reported (kListingWriteFailure) and ends
// the listing early; the lines written so far stay. Neither opens nor closes file.
void ListTrackToFile(CDecoderDoc& doc, std::int32_t startElevation, IListingFile& file);
