#pragma once

#include <cstdint>

// Segment codes and flag bits that the program's own logic depends on.
namespace SegmentCode {
inline constexpr std::uint8_t EndStation = 1;
inline constexpr std::uint8_t BeginStation = 2;
inline constexpr std::uint8_t MiddleStation = 3;
inline constexpr std::uint8_t Brakes = 99;
inline constexpr std::uint8_t Booster = 100;
inline constexpr std::uint8_t LaunchedLiftHill = 182;
inline constexpr std::uint8_t EndOfTrack = 255;
}  // namespace SegmentCode

namespace SegmentFlag {
inline constexpr std::uint8_t ChainLift = 0x80;
inline constexpr std::uint8_t Inverted = 0x40;
inline constexpr std::uint8_t Terminal = 0x08;
inline constexpr std::uint8_t SpeedMask = 0x0F;
}  // namespace SegmentFlag

namespace RideType {
inline constexpr std::uint8_t HedgeMaze = 20;
inline constexpr std::uint8_t RiverRide = 60;
inline constexpr std::uint8_t WoodenReverser = 65;
inline constexpr std::uint8_t WaterCoaster = 74;
}  // namespace RideType
