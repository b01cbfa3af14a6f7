#include "cli/CatalogJson.h"

#include <unordered_map>

#include "cli/CatalogFields.h"
#include "cli/JsonStreamWriter.h"

namespace {

// Raised when a field changes its meaning or goes away.
constexpr int kFormatVersion = 1;

// A text of the name tables or a word, which repeat from design to design:
// each thread serialises each of them once. There are a few hundred at most.
const std::string& Vocabulary(const std::string& text) {
  thread_local std::unordered_map<std::string, std::string> serialised;
  const auto [place, added] = serialised.try_emplace(text);
  if (added) place->second = JsonStreamWriter::Serialise(text);
  return place->second;
}

// Writes the members of one row; those of a loaded design are null for a refused one.
class RowWriter {
public:
  explicit RowWriter(const DesignSummary& summary) : m_summary(summary) {}

  void Word(const char* key, const std::string& value) {
    if (Loaded(key)) m_json.Serialised(Vocabulary(value));
  }
  void Number(const char* key, std::int64_t value) {
    if (Loaded(key)) m_json.Number(value);
  }
  void Bool(const char* key, bool value) {
    if (Loaded(key)) m_json.Bool(value);
  }
  void OrNull(const char* key, const std::optional<std::int64_t>& value) {
    m_json.Key(key);
    if (value)
      m_json.Number(*value);
    else
      m_json.Null();
  }
  // An empty text stands for nothing.
  void TextOrNull(const char* key, const std::string& text) {
    m_json.Key(key);
    if (text.empty())
      m_json.Null();
    else
      m_json.String(text);
  }
  // The key, and whether its value is to follow: null has been written for it when not.
  bool Loaded(const char* key) {
    m_json.Key(key);
    if (!m_summary.loaded) m_json.Null();
    return m_summary.loaded;
  }

  JsonStreamWriter& Json() { return m_json; }

private:
  const DesignSummary& m_summary;
  JsonStreamWriter m_json;
};

}  // namespace

std::string CatalogJsonLineStart(const DesignSummary& summary) {
  RowWriter row(summary);
  JsonStreamWriter& json = row.Json();
  json.BeginObject();
  json.Key("format_version").Number(kFormatVersion);
  // A file name need not be UTF-8; its invalid bytes become U+FFFD, as in list --json.
  json.Key("path").String(summary.path);
  json.Key("size").Number(std::int64_t(summary.size));
  json.Key("loaded").Bool(summary.loaded);
  json.Key("message");
  if (summary.loaded)
    json.Null();
  else
    json.String(summary.message);
  row.Word("ride_type", summary.header.rideType);
  if (row.Loaded("vehicle_type")) {
    json.BeginObject();
    json.Key("text").String(summary.header.vehicleType);
    json.Key("trains").Number(summary.vehicles.trains);
    json.Key("cars_per_train").Number(summary.vehicles.cars);
    json.EndObject();
  }
  row.Word("operating_mode", summary.header.operatingMode);
  row.Word("edition", summary.edition);
  row.Word("checksum", ChecksumWord(summary.checksum));
  row.Number("segment_count", summary.segments);
  row.OrNull("lowest_elevation", summary.lowest);
  row.OrNull("highest_elevation", summary.highest);
  row.Bool("chain_lift", summary.chainLift);
  row.Bool("launched_lift_hill", summary.launchedLiftHill);
  row.Word("reverse", ReverseWord(summary));
  json.Key("fitting_start_elevations");
  if (summary.fit) {
    json.BeginObject();
    json.Key("first").Number(summary.fit->first);
    json.Key("last").Number(summary.fit->last);
    json.EndObject();
  } else {
    json.Null();
  }
  json.Key("fits").Bool(summary.Fits());
  if (row.Loaded("track_key")) json.String(DigestText(summary.track.key));
  return std::move(json).Line();
}

std::string CatalogJsonLineEnd(const DesignSummary& summary) {
  RowWriter row(summary);
  row.Json().ContinueObject();
  row.TextOrNull("same_track_as", summary.sameTrackAs);
  row.TextOrNull("variant", VariantText(summary));
  row.Json().EndObject();
  return std::move(row.Json()).Line();
}
