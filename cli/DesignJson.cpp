#include "cli/DesignJson.h"

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "catalog/TrackIdentity.h"
#include "cli/JsonStreamWriter.h"
#include "listing/ElevationFit.h"
#include "listing/ListTrack.h"
#include "listing/ListingHeader.h"
#include "listing/SegmentMeaning.h"
#include "listing/SegmentPass.h"
#include "trackfile/DecoderDoc.h"
#include "vocabulary/NameTables.h"
#include "vocabulary/SegmentCodes.h"

namespace {

// Raised when the output changes in a way that a reader of the fields must know of.
constexpr int kFormatVersion = 1;

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

// Begins the object of a header byte with the name its table gives it; the caller ends it.
void BeginCodeAndName(JsonStreamWriter& json, const CDecoderDoc& doc, int offset, const NameTable& names) {
  const std::uint8_t code = DesignByte(doc, offset);
  std::string name;
  NameLookup(names, code, name);
  json.BeginObject();
  json.Key("code").Number(code);
  json.Key("name").String(name);
}

void WriteCodeAndName(JsonStreamWriter& json, const CDecoderDoc& doc, int offset, const NameTable& names) {
  BeginCodeAndName(json, doc, offset, names);
  json.EndObject();
}

// Segment names serialised once per code, since a long track repeats a few dozen of them.
class SegmentNames {
public:
  explicit SegmentNames(bool waterCoaster) : m_bWaterCoaster(waterCoaster) {}

  const std::string& Of(std::uint8_t code) {
    std::string& name = m_names[code];
    if (name.empty()) name = JsonStreamWriter::Serialise(SegmentName(code, m_bWaterCoaster));
    return name;
  }

private:
  bool m_bWaterCoaster;
  std::array<std::string, 256> m_names;
};

void WriteSegment(JsonStreamWriter& json, const TrackSegment& segment, int number, SegmentNames& names) {
  const SegmentFlagMeaning meaning = MeaningOfFlags(segment);
  json.BeginObject();
  json.Key("number").Number(number);
  json.Key("code").Number(segment.code);
  json.Key("name").Serialised(names.Of(segment.code));
  json.Key("flags").Number(segment.flags);
  json.Key("chain_lift").Bool(meaning.chainLift);
  json.Key("inverted").Bool(meaning.inverted);
  json.Key("terminal").Bool(meaning.terminal);
  json.Key("speed");
  if (meaning.speedSetting) {
    json.BeginObject();
    json.Key("setting").Number(*meaning.speedSetting);
    json.Key("mph").Number(SpeedMph(*meaning.speedSetting));
    json.EndObject();
  } else {
    json.Null();
  }
  json.Key("start_elevation").Number(segment.startElevation);
  json.Key("end_elevation").Number(segment.endElevation);
  json.EndObject();
}

// Line texts serialised once each: they are made of a few hundred names and
// tags, which a long track repeats.
class LineTexts {
public:
  const std::string& Of(const ListingLine& line) {
    std::string& text = m_texts[{line.name, line.tags, line.turnStart, line.turnEnd}];
    if (text.empty()) text = JsonStreamWriter::Serialise(line.Text());
    return text;
  }

  const std::string& CheckOf(ElevationCheck check) {
    std::string& name = m_checks[std::size_t(check)];
    if (name.empty()) name = JsonStreamWriter::Serialise(CheckName(check));
    return name;
  }

private:
  std::map<std::array<std::string_view, 4>, std::string> m_texts;
  std::array<std::string, 4> m_checks;
};

void WriteLine(JsonStreamWriter& json, const ListingLine& line, LineTexts& texts) {
  json.BeginObject();
  json.Key("first").Number(line.first + 1);
  json.Key("last").Number(line.last + 1);
  json.Key("count").Number(line.Count());
  json.Key("text").Serialised(texts.Of(line));
  json.Key("start_elevation").Number(line.startElevation);
  json.Key("end_elevation").Number(line.endElevation);
  json.Key("check").Serialised(texts.CheckOf(line.check));
  json.EndObject();
}

// {"first": F, "last": L}, or null where no starting elevation fits.
void WriteFit(JsonStreamWriter& json, const std::optional<StartElevationRange>& fit) {
  json.Key("fitting_start_elevations");
  if (!fit) {
    json.Null();
    return;
  }
  json.BeginObject();
  json.Key("first").Number(fit->first);
  json.Key("last").Number(fit->last);
  json.EndObject();
}

// Two passes over the listing: the first fills in every segment's elevations
// as it writes the segments, the second writes the lines and then the
// starting elevations at which none would be marked. Neither keeps more than
// one line.
void WriteSegmentsAndLines(JsonStreamWriter& json, CDecoderDoc& doc, std::int32_t startElevation) {
  const bool listed = doc.m_pData && !IsMaze(doc);
  ListingLine line;
  json.Key("segments").BeginArray();
  if (listed) {
    SegmentNames names(DesignByte(doc, DesignOffset::RideType) == RideType::WaterCoaster);
    SegmentPass pass(doc, startElevation);
    while (pass.Next(line) && !json.Failed())
      for (int i = line.first; i <= line.last; ++i) WriteSegment(json, doc.m_pSegments[i], i + 1, names);
  }
  json.EndArray();
  json.Key("lines").BeginArray();
  ElevationExtent extent(startElevation);
  if (listed) {
    LineTexts texts;
    SegmentPass pass(doc, startElevation);
    while (pass.Next(line) && !json.Failed()) {
      WriteLine(json, line, texts);
      extent.Add(line);
    }
  }
  json.EndArray();
  WriteFit(json, extent.FittingStarts());
}

}  // namespace

void WriteDesignJson(CDecoderDoc& doc, std::int32_t startElevation, std::FILE* out) {
  JsonStreamWriter json(out);
  const std::string& path = doc.GetPathName();
  json.BeginObject();
  json.Key("format_version").Number(kFormatVersion);
  json.Key("file").String(path.substr(path.find_last_of('/') + 1));
  json.Key("path").String(path);
  json.Key("edition").String(EditionLabel(doc));
  json.Key("ride_type");
  WriteCodeAndName(json, doc, DesignOffset::RideType, RideTypeNames);
  json.Key("vehicle_type");
  BeginCodeAndName(json, doc, DesignOffset::VehicleType, VehicleTypeNames);
  const VehicleCount count = ReadVehicleCount(doc);
  json.Key("trains").Number(count.trains);
  json.Key("cars_per_train").Number(count.cars);
  json.EndObject();
  json.Key("operating_mode");
  WriteCodeAndName(json, doc, DesignOffset::OperatingMode, OperatingModeNames);
  json.Key("start_elevation").Number(startElevation);
  json.Key("segment_count").Number(doc.m_nSegments);
  WriteSegmentsAndLines(json, doc, startElevation);
  json.Key("track_key").String(DigestText(IdentifyTrack(doc).key));
  json.EndObject();
}
