#include "cli/DesignJson.h"

#include <nlohmann/json.hpp>

#include "listing/ListTrack.h"
#include "listing/ListingHeader.h"
#include "listing/SegmentMeaning.h"
#include "trackfile/DecoderDoc.h"
#include "vocabulary/NameTables.h"
#include "vocabulary/SegmentCodes.h"

namespace {

using Json = nlohmann::ordered_json;

const char* CheckName(ElevationCheck check) {
  switch (check) {
    case ElevationCheck::Level:
      return "level";
    case ElevationCheck::Changing:
      return "changing";
    case ElevationCheck::TooHigh:
      return "too_high";
    case ElevationCheck::TooLow:
      break;
  }
  return "too_low";
}

// A header byte with the name its table gives it.
Json CodeAndName(const CDecoderDoc& doc, int offset, const NameTable& names) {
  const std::uint8_t code = DesignByte(doc, offset);
  std::string name;
  NameLookup(names, code, name);
  return {{"code", code}, {"name", name}};
}

Json SegmentJson(const TrackSegment& segment, int number, bool waterCoaster) {
  const SegmentFlagMeaning meaning = MeaningOfFlags(segment);
  Json speed = nullptr;
  if (meaning.speedSetting) speed = {{"setting", *meaning.speedSetting}, {"mph", SpeedMph(*meaning.speedSetting)}};
  return {{"number", number},
          {"code", segment.code},
          {"name", SegmentName(segment.code, waterCoaster)},
          {"flags", segment.flags},
          {"chain_lift", meaning.chainLift},
          {"inverted", meaning.inverted},
          {"terminal", meaning.terminal},
          {"speed", speed},
          {"start_elevation", segment.startElevation},
          {"end_elevation", segment.endElevation}};
}

Json LineJson(const ListingLine& line) {
  return {{"first", line.first + 1},
          {"last", line.last + 1},
          {"count", line.Count()},
          {"text", line.Text()},
          {"start_elevation", line.startElevation},
          {"end_elevation", line.endElevation},
          {"check", CheckName(line.check)}};
}

}  // namespace

std::string DesignJson(CDecoderDoc& doc, std::int32_t startElevation) {
  const std::vector<ListingLine> lines = ListSegments(doc, startElevation);
  const bool waterCoaster = DesignByte(doc, DesignOffset::RideType) == RideType::WaterCoaster;
  Json segments = Json::array();
  Json lineList = Json::array();
  for (const ListingLine& line : lines) {
    for (int i = line.first; i <= line.last; ++i)
      segments.push_back(SegmentJson(doc.m_pSegments[i], i + 1, waterCoaster));
    lineList.push_back(LineJson(line));
  }
  Json vehicle = CodeAndName(doc, DesignOffset::VehicleType, VehicleTypeNames);
  const VehicleCount count = ReadVehicleCount(doc);
  vehicle["trains"] = count.trains;
  vehicle["cars_per_train"] = count.cars;
  const std::string& path = doc.GetPathName();
  const Json design = {{"file", path.substr(path.find_last_of('/') + 1)},
                       {"edition", EditionLabel(doc)},
                       {"ride_type", CodeAndName(doc, DesignOffset::RideType, RideTypeNames)},
                       {"vehicle_type", vehicle},
                       {"operating_mode", CodeAndName(doc, DesignOffset::OperatingMode, OperatingModeNames)},
                       {"start_elevation", startElevation},
                       {"segment_count", doc.m_nSegments},
                       {"segments", segments},
                       {"lines", lineList}};
  // Names come from the program's tables and are plain ASCII; replace rather
  // than throw should a table ever hold something else.
  return design.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
