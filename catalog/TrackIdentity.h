#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "trackfile/TrackSteps.h"

class CDecoderDoc;

// SHA-256 of a track's segments as the window lists them: code and flags of
// each, in order. Nothing else of the design goes in.
using TrackDigest = std::array<std::uint8_t, 32>;

// A design that steps lead to, and the fewest that do (mirror before reverse
// among as few).
struct TrackVariant {
  TrackDigest digest;
  TrackSteps steps;
};

// A track and every track that steps lead to from it.
struct TrackIdentity {
  // The smallest digest among the designs steps lead to and back from: the
  // same for every design of the track, and for no other track.
  TrackDigest key{};
  // In the order they were found, the design itself first with no steps.
  std::vector<TrackVariant> variants;

  // The fewest steps from this design to one whose own digest is digest;
  // nullptr where no steps lead there.
  const TrackSteps* StepsTo(const TrackDigest& digest) const;
};

// Takes steps from the loaded design until nothing new appears (Mirror Track
// and Reverse Track do not commute on every piece, so a track can have eight
// designs), keeping the track list of each design reached, and then puts the
// design's segments, track list and modified flag back as they were; their
// elevations are left to the next listing. Throws CMemoryException when a
// step cannot allocate its segments, leaving the document to be discarded.
TrackIdentity IdentifyTrack(CDecoderDoc& doc);

// The digest in 64 lowercase hexadecimal digits.
std::string DigestText(const TrackDigest& digest);
