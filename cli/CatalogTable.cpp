#include "cli/CatalogTable.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <span>

#include "cli/CatalogFields.h"
#include "cli/DisplayName.h"
#include "vocabulary/NameTables.h"

namespace {

enum class Align { Left, Right };

struct Column {
  const char* title;
  std::size_t width;
  Align align = Align::Left;
};

constexpr std::string_view kGap = "  ";

// Characters, not bytes, so that a name in UTF-8 takes its place on screen.
std::size_t ShownWidth(std::string_view text) {
  return std::size_t(
      std::ranges::count_if(text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Padded(const std::string& text, std::size_t width, Align align) {
  const std::string padding(width - std::min(width, ShownWidth(text)), ' ');
  return align == Align::Left ? text + padding : padding + text;
}

// The longest name a design's ride type can have, "Unknown (xxh)" included.
std::size_t RideTypeWidth() {
  std::size_t width = ShownWidth("Unknown (00h)");
  for (std::string_view name : RideTypeNames) width = std::max(width, ShownWidth(name));
  return width;
}

// The columns before the file's, the one a reader looks at first leading:
// whether and where the design fits.
const std::array<Column, 6>& Columns() {
  static const std::array<Column, 6> columns = {{{"FIT", 7},
                                                 {"EDITION", 15},   // "Original Tivora"
                                                 {"CHECKSUM", 11},  // "alternative"
                                                 {"SEGMENTS", 8, Align::Right},
                                                 {"ELEVATIONS", 11},
                                                 {"RIDE TYPE", RideTypeWidth()}}};
  return columns;
}

std::string Row(std::span<const std::string> cells, const std::string& file) {
  std::string row;
  for (std::size_t i = 0; i < cells.size(); ++i)
    row += Padded(cells[i], Columns()[i].width, Columns()[i].align) + std::string(kGap);
  return row + file + '\n';
}

// The width of the columns after the first, gaps between them included.
std::size_t MessageWidth() {
  const auto& columns = Columns();
  return std::accumulate(columns.begin() + 1, columns.end(), std::size_t(0),
                         [](std::size_t sum, const Column& column) { return sum + column.width + kGap.size(); }) -
         kGap.size();
}

}  // namespace

std::string CatalogTableHeader() {
  std::array<std::string, 6> titles;
  std::ranges::transform(Columns(), titles.begin(), &Column::title);
  return Row(titles, "FILE");
}

std::string CatalogTableRow(const DesignSummary& summary) {
  const std::string file = DisplayName(summary.path);
  if (!summary.loaded) {
    // On one line, whatever line feeds the message or the name hold.
    return Padded("refused", Columns()[0].width, Align::Left) + std::string(kGap) +
           Padded(DisplayName(summary.message), MessageWidth(), Align::Left) + std::string(kGap) + file + '\n';
  }
  const std::array<std::string, 6> cells = {
      FitWord(summary.fit),    summary.edition,        ChecksumWord(summary.checksum), std::to_string(summary.segments),
      ElevationsText(summary), summary.header.rideType};
  return Row(cells, file);
}
