#include "listing/ListingHeader.h"

#include <cstdio>

#include "listing/ListTrack.h"
#include "trackfile/DecoderDoc.h"
#include "vocabulary/NameTables.h"
#include "vocabulary/SegmentCodes.h"

namespace {

constexpr std::uint8_t kLaterEditionFlag = 0x04;

// The train and car bytes are signed: a byte of 128 or more counts as negative.
std::int32_t SignedDesignByte(const CDecoderDoc& doc, int offset) {
  return std::int8_t(DesignByte(doc, offset));
}

std::string VehicleText(const CDecoderDoc& doc) {
  std::string name;
  NameLookup(VehicleTypeNames, DesignByte(doc, DesignOffset::VehicleType), name);
  const auto [trains, cars] = ReadVehicleCount(doc);
  char text[160];
  std::snprintf(text, sizeof text, "%s (%u %u-car %s)", name.c_str(), unsigned(trains), unsigned(cars),
                trains > 1 ? "trains" : "train");
  return text;
}

}  // namespace

VehicleCount ReadVehicleCount(const CDecoderDoc& doc) {
  VehicleCount count{SignedDesignByte(doc, DesignOffset::Trains), SignedDesignByte(doc, DesignOffset::CarsPerTrain)};
  // These rides run single boats or cars, whatever the car byte says.
  switch (DesignByte(doc, DesignOffset::RideType)) {
    case RideType::RiverRide:
    case RideType::WoodenReverser:
    case RideType::WaterCoaster:
      count.cars = 1;
      break;
  }
  return count;
}

std::uint8_t DesignByte(const CDecoderDoc& doc, int offset) {
  return offset < doc.m_nDataLen ? doc.m_pData[offset] : 0;
}

bool IsMaze(const CDecoderDoc& doc) { return DesignByte(doc, DesignOffset::RideType) == RideType::HedgeMaze; }

ListingHeader ReadListingHeader(const CDecoderDoc& doc) {
  ListingHeader header;
  NameLookup(RideTypeNames, DesignByte(doc, DesignOffset::RideType), header.rideType);
  header.vehicleType = VehicleText(doc);
  NameLookup(OperatingModeNames, DesignByte(doc, DesignOffset::OperatingMode), header.operatingMode);
  return header;
}

std::string_view EditionLabel(const CDecoderDoc& doc) {
  if (doc.m_bBadChecksum) return "Unknown";
  if (doc.m_bAltChecksum) return "Merovale";
  if (doc.m_pData && (DesignByte(doc, DesignOffset::Flags) & kLaterEditionFlag)) return "Zanthera";
  return "Original Tivora";
}
