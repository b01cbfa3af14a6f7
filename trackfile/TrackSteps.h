#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CDecoderDoc;

// What a user can do to a design and keep: Mirror Track, or Reverse Track
// answered Yes where it asks, followed by Save.
enum class TrackStep : std::uint8_t { Mirror, Reverse };

using TrackSteps = std::vector<TrackStep>;

// Takes the step on a loaded design and leaves it as opening the saved file
// would give it: the track list in the order Save writes it, parsed afresh.
// Returns false, changing nothing, where Reverse Track refuses. Throws
// CMemoryException when the segment array cannot be allocated again.
bool TakeStep(CDecoderDoc& doc, TrackStep step);

// "same" for no step, else the steps in the order taken:
// "mirrored", "reversed, then mirrored", ...
std::string StepWords(const TrackSteps& steps);
