#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>

#include "vocabulary/NameTables.h"

struct NamedCode {
  std::uint8_t code;
  std::string_view name;
};

// Builds a table from its named codes, leaving the others empty. A code named
// twice or an empty name stops the build, so a slip in the lists cannot go unseen.
consteval NameTable MakeNameTable(std::initializer_list<NamedCode> namedCodes) {
  NameTable table{};
  for (const NamedCode& entry : namedCodes) {
    if (entry.name.empty() || !table[entry.code].empty()) {
      throw std::logic_error("every named code needs exactly one non-empty name");
    }
    table[entry.code] = entry.name;
  }
  return table;
}
