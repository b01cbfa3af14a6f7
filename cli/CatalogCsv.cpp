#include "cli/CatalogCsv.h"

#include <vector>

#include "cli/CatalogFields.h"
#include "cli/ValidUtf8.h"

namespace {

constexpr const char* kLineEnd = "\r\n";
// The cells from ride_type to reverse, which only a loaded design fills.
constexpr std::size_t kLoadedCells = 13;

std::string Joined(const std::vector<std::string>& fields) {
  std::string row;
  for (std::size_t i = 0; i < fields.size(); ++i) row += (i > 0 ? "," : "") + CsvCell(ValidUtf8(fields[i]));
  return row;
}

const char* Word(bool value) { return value ? "true" : "false"; }

std::string Number(const std::optional<std::int64_t>& value) { return value ? std::to_string(*value) : ""; }

}  // namespace

std::string CsvCell(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
  std::string cell = "\"";
  for (const char c : field) {
    if (c == '"') cell += '"';
    cell += c;
  }
  return cell + '"';
}

std::string CatalogCsvHeader() {
  return Joined({"path",
                 "size",
                 "loaded",
                 "message",
                 "ride_type",
                 "vehicle_type",
                 "trains",
                 "cars_per_train",
                 "operating_mode",
                 "edition",
                 "checksum",
                 "segment_count",
                 "lowest_elevation",
                 "highest_elevation",
                 "chain_lift",
                 "launched_lift_hill",
                 "reverse",
                 "fit_first",
                 "fit_last",
                 "fits",
                 "track_key",
                 "same_track_as",
                 "variant"}) +
         kLineEnd;
}

std::string CatalogCsvRowStart(const DesignSummary& summary) {
  const DesignSummary& s = summary;
  std::vector<std::string> fields = {s.path, std::to_string(s.size), Word(s.loaded), s.message};
  if (s.loaded) {
    fields.insert(fields.end(), {s.header.rideType, s.header.vehicleType, std::to_string(s.vehicles.trains),
                                 std::to_string(s.vehicles.cars), s.header.operatingMode, s.edition,
                                 ChecksumWord(s.checksum), std::to_string(s.segments), Number(s.lowest),
                                 Number(s.highest), Word(s.chainLift), Word(s.launchedLiftHill), ReverseWord(s)});
  } else {
    fields.resize(fields.size() + kLoadedCells);
  }
  fields.push_back(s.fit ? std::to_string(s.fit->first) : "");
  fields.push_back(s.fit ? std::to_string(s.fit->last) : "");
  fields.push_back(Word(s.Fits()));
  fields.push_back(s.loaded ? DigestText(s.track.key) : "");
  return Joined(fields);
}

std::string CatalogCsvRowEnd(const DesignSummary& summary) {
  return "," + Joined({summary.sameTrackAs, VariantText(summary)}) + kLineEnd;
}
