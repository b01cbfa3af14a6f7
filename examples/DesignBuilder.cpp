#include "examples/DesignBuilder.h"

#include "framework/Archive.h"

namespace {
constexpr std::size_t kTrackListOffset = 56;
constexpr std::size_t kLaterTrackListOffset = 196;
}  // namespace

std::vector<std::uint8_t> BuildDesign(const DesignDescription& description) {
  const std::size_t trackList = (description.flags & 0x04) ? kLaterTrackListOffset : kTrackListOffset;
  std::vector<std::uint8_t> design(trackList, 0);
  design[0] = description.rideType;
  design[1] = description.vehicleType;
  design[6] = description.operatingMode;
  design[7] = description.flags;
  design[36] = description.trains;
  design[37] = description.carsPerTrain;
  for (const SegmentEntry& segment : description.segments) {
    design.push_back(segment.code);
    design.push_back(segment.flags);
  }
  design.push_back(0xFF);
  design.insert(design.end(), description.afterTrack.begin(), description.afterTrack.end());
  return design;
}

std::vector<std::uint8_t> PackDesignFile(std::span<const std::uint8_t> design, std::uint32_t checksumOffset) {
  std::vector<std::uint8_t> file;
  CArchive archive(file);
  PackDesign(design, checksumOffset, archive);
  return file;
}

std::vector<std::uint8_t> BuildDesignFile(const DesignDescription& description, std::uint32_t checksumOffset) {
  return PackDesignFile(BuildDesign(description), checksumOffset);
}
