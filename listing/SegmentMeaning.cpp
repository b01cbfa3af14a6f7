#include "listing/SegmentMeaning.h"

#include "trackfile/TrackSegment.h"
#include "vocabulary/NameTables.h"
#include "vocabulary/SegmentCodes.h"

bool IsStation(std::uint8_t code) {
  return code == SegmentCode::EndStation || code == SegmentCode::BeginStation || code == SegmentCode::MiddleStation;
}

bool HasSpeedSetting(std::uint8_t code) { return code == SegmentCode::Brakes || code == SegmentCode::Booster; }

std::string_view SegmentName(std::uint8_t code, bool waterCoaster) {
  if (waterCoaster) {
    switch (code) {
      case 68:
        return "Level water track";
      case 81:
        return "Left-hand curved water track";
      case 82:
        return "Right-hand curved water track";
    }
  }
  return SegmentNames[code];
}

unsigned SpeedMph(unsigned setting) { return setting * 9 / 2; }

SegmentFlagMeaning MeaningOfFlags(const TrackSegment& segment) {
  SegmentFlagMeaning meaning;
  if (IsStation(segment.code))
    meaning.terminal = segment.flags & SegmentFlag::Terminal;
  else if (HasSpeedSetting(segment.code))
    meaning.speedSetting = segment.flags & SegmentFlag::SpeedMask;
  else {
    meaning.chainLift = segment.flags & SegmentFlag::ChainLift;
    meaning.inverted = segment.flags & SegmentFlag::Inverted;
  }
  return meaning;
}
