#pragma once

#include <cstdint>
#include <string>

class CDecoderDoc;

// Offsets of the design bytes that the listing reads.
namespace DesignOffset {
inline constexpr int RideType = 0;
inline constexpr int VehicleType = 1;
inline constexpr int OperatingMode = 6;
inline constexpr int Flags = 7;
inline constexpr int Trains = 36;
inline constexpr int CarsPerTrain = 37;
}  // namespace DesignOffset

// Design byte at offset, or 0 past the valid bytes.
std::uint8_t DesignByte(const CDecoderDoc& doc, int offset);

// A maze design: its listing holds the header and no segment line.
bool IsMaze(const CDecoderDoc& doc);

// How many trains the design runs and how many cars each has, as the listing
// reads them: signed bytes, and one car for the rides that run single boats or cars.
struct VehicleCount {
  std::int32_t trains;
  std::int32_t cars;
};

// Requires a loaded design.
VehicleCount ReadVehicleCount(const CDecoderDoc& doc);

// The texts that head a listing, on screen and in the file alike.
struct ListingHeader {
  std::string rideType;
  std::string vehicleType;  // name, then trains and cars, e.g. "Twister cars (2 6-car trains)"
  std::string operatingMode;
};

// Requires a loaded design.
ListingHeader ReadListingHeader(const CDecoderDoc& doc);
