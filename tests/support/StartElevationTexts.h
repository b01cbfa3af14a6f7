#pragma once

// Texts typed as a starting elevation, and the answer that the elevation
// dialog and td4 both give: accepted, or the data-exchange message with the
// buildable range 1..61. Digits only, since the dialog's field takes no other.
struct StartElevationText {
  const char* text;
  const char* refusal;  // "": accepted
};

inline constexpr const char* kNotAnInteger = "Please enter an integer.";
inline constexpr const char* kOutOfRange = "Please enter an integer between 1 and 61.";

inline constexpr StartElevationText kStartElevationTexts[] = {
    {"", kNotAnInteger},
    {"0", kOutOfRange},
    {"1", ""},
    {"061", ""},
    {"61", ""},
    {"62", kOutOfRange},
    {"2147483648", kOutOfRange},            // one more than the largest int
    {"99999999999", kOutOfRange},           // too large for an int
    {"99999999999999999999", kOutOfRange},  // too large for any integer type
};
