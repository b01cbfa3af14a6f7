#include "vocabulary/NameTables.h"

#include <cstdio>

void NameLookup(const NameTable& table, unsigned code, std::string& text) {
  const unsigned index = code & 0xFF;
  if (!table[index].empty()) {
    text = table[index];
    return;
  }
  char fallback[sizeof "Unknown (ffh)"];
  std::snprintf(fallback, sizeof fallback, "Unknown (%02xh)", index);
  text = fallback;
}
