#pragma once

#include <optional>
#include <string>
#include <string_view>

// What dialog data exchange makes of the text of an int field whose value must
// lie in minimum..maximum: the value, or the message that refuses the text.
// Blanks around the number and a sign are taken; a number too long for any
// integer is a number out of range, not text that is no integer.
struct IntFieldEntry {
  std::optional<int> value;
  std::string refusal;  // "Please enter an integer." or "Please enter an integer between %1 and %2."
};

IntFieldEntry ReadIntField(std::string_view text, int minimum, int maximum);
