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

// The state's icon, one of the style's standard ones, and its words.
QIcon StateIcon(DesignState state);
QString StateText(DesignState state);
