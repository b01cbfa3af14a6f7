#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "catalog/ReadBudget.h"
#include "catalog/TrackIdentity.h"
#include "listing/ElevationFit.h"
#include "listing/ListingHeader.h"

class CDecoderDoc;

// How the file's trailer matched its body's checksum.
enum class ChecksumState { Normal, Alternative, Wrong };

// Everything a folder view tells of one design file, as the window would show
// it after File > Open with every question answered Yes.
struct DesignSummary {
  std::string path;
  std::uint64_t size = 0;  // bytes in the file

  // A design is loaded, or the message that told why not: the load path's
  // own refusal ("Hedge mazes are not supported", "Error processing track
  // data.", ...), or why the file could not be read.
  bool loaded = false;
  std::string message;

  // The rest holds for a loaded design only.
  ListingHeader header;  // ride type, vehicle type with trains and cars, operating mode
  VehicleCount vehicles{};
  std::string edition;  // as the form shows it; "Unknown" with a wrong checksum
  ChecksumState checksum = ChecksumState::Normal;
  std::int32_t segments = 0;
  // Lowest and highest elevation of the listing from starting elevation 1;
  // none when the listing has no line.
  std::optional<std::int64_t> lowest;
  std::optional<std::int64_t> highest;
  bool chainLift = false;
  bool launchedLiftHill = false;
  bool openCircuit = false;       // Reverse Track asks first
  bool reverseRefused = false;    // Reverse Track refuses
  std::optional<StartElevationRange> fit;
  TrackIdentity track;

  // Set by SameTrackFinder in the order of the designs: the first earlier
  // design that shares this one's track, and the fewest steps from that one to
  // this. Empty for the first of its track and for a refused design.
  std::string sameTrackAs;
  TrackSteps variant;

  // Loads, and some starting elevation keeps every line buildable.
  bool Fits() const { return loaded && fit.has_value(); }
};

// Reads and summarises the design file at path through the program's own load
// path, answering every question Yes; shows nothing, so that many threads can
// summarise at once. Anything but a regular file is a row of its own, unread
// (ReadRegularFilePrefix), with size 0. While the design is in memory it holds
// a share of budget (when given) as large as the most its file can unpack to.
DesignSummary SummariseDesign(const std::string& path, ReadBudget* budget = nullptr);

// Lends the design at path, loaded as SummariseDesign loads it, to use; use
// is not called where it does not load.
void WithLoadedDesign(const std::string& path, const std::function<void(CDecoderDoc&)>& use);

// A file that never got as far as loading: message tells why.
DesignSummary UnreadableDesign(const std::string& path, std::string message);
