#include "cli/CatalogJson.h"

#include <nlohmann/json.hpp>

#include "cli/CatalogFields.h"
#include "cli/ValidUtf8.h"

namespace {

using Json = nlohmann::ordered_json;

// Raised when a field changes its meaning or goes away.
constexpr int kFormatVersion = 1;

template <class Value>
Json OrNull(const std::optional<Value>& value) {
  return value ? Json(*value) : Json(nullptr);
}

Json FitJson(const std::optional<StartElevationRange>& fit) {
  if (!fit) return nullptr;
  return {{"first", fit->first}, {"last", fit->last}};
}

// An empty text stands for nothing.
Json TextOrNull(const std::string& text) { return text.empty() ? Json(nullptr) : Json(text); }

}  // namespace

std::string CatalogJsonLine(const DesignSummary& summary) {
  // The fields of a loaded design, null for a refused one.
  const auto loaded = [&](Json value) { return summary.loaded ? value : Json(nullptr); };
  Json row;
  row["format_version"] = kFormatVersion;
  row["path"] = ValidUtf8(summary.path);
  row["size"] = summary.size;
  row["loaded"] = summary.loaded;
  row["message"] = summary.loaded ? Json(nullptr) : Json(ValidUtf8(summary.message));
  row["ride_type"] = loaded(summary.header.rideType);
  row["vehicle_type"] = loaded({{"text", summary.header.vehicleType},
                                {"trains", summary.vehicles.trains},
                                {"cars_per_train", summary.vehicles.cars}});
  row["operating_mode"] = loaded(summary.header.operatingMode);
  row["edition"] = loaded(summary.edition);
  row["checksum"] = loaded(ChecksumWord(summary.checksum));
  row["segment_count"] = loaded(summary.segments);
  row["lowest_elevation"] = OrNull(summary.lowest);
  row["highest_elevation"] = OrNull(summary.highest);
  row["chain_lift"] = loaded(summary.chainLift);
  row["launched_lift_hill"] = loaded(summary.launchedLiftHill);
  row["reverse"] = loaded(ReverseWord(summary));
  row["fitting_start_elevations"] = FitJson(summary.fit);
  row["fits"] = summary.Fits();
  row["track_key"] = loaded(DigestText(summary.track.key));
  row["same_track_as"] = TextOrNull(summary.sameTrackAs);
  row["variant"] = TextOrNull(VariantText(summary));
  // Names and messages are made valid above; the handler only keeps a stray byte from ending the program.
  return row.dump(-1, ' ', false, Json::error_handler_t::replace) + '\n';
}
