#include "framework/IntField.h"

#include <algorithm>
#include <charconv>

IntFieldEntry ReadIntField(std::string_view text, int minimum, int maximum) {
  constexpr std::string_view kBlanks = " \t\n\v\f\r";
  const std::size_t begin = text.find_first_not_of(kBlanks);
  std::string_view digits = begin == std::string_view::npos ? std::string_view()
                                                            : text.substr(begin, text.find_last_not_of(kBlanks) + 1 - begin);
  const bool negative = digits.starts_with('-');
  if (negative || digits.starts_with('+')) digits.remove_prefix(1);
  if (digits.empty() || !std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; }))
    return {std::nullopt, "Please enter an integer."};
  long long magnitude = 0;
  const bool fits = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude).ec == std::errc();
  const long long value = negative ? -magnitude : magnitude;
  if (!fits || value < minimum || value > maximum)
    return {std::nullopt, "Please enter an integer between " + std::to_string(minimum) + " and " +
                              std::to_string(maximum) + "."};
  return {int(value), ""};
}
