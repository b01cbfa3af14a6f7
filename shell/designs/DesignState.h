#pragma once

#include <QIcon>
#include <QString>
#include <cstddef>

struct DesignSummary;

// What the Designs panel's icon tells of a design, the first that holds.
enum class DesignState {
  Refused,        // it did not load
  WrongChecksum,  // it loads as the Yes answer loads it
  OutOfRange,     // some line is too high or too low at every starting elevation
  Fits,
};
inline constexpr std::size_t kDesignStates = 4;

DesignState StateOf(const DesignSummary& summary);

// The state's icon, one of the style's standard ones.
QIcon StateIcon(DesignState state);

// The design's state in words, with why it was refused or where it fits, and
// sameTrack after it where that is not empty: "Loads and fits with starting
// elevations 1..49; mirrored of shuttle.td4".
QString StateSentence(const DesignSummary& summary, const QString& sameTrack);
