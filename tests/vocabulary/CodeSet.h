#pragma once

#include <bitset>
#include <initializer_list>

// A set of segment, ride, vehicle or mode codes, written as inclusive ranges.
using CodeSet = std::bitset<256>;

struct CodeRange {
  unsigned first;
  unsigned last;
};

inline CodeSet CodesIn(std::initializer_list<CodeRange> ranges) {
  CodeSet codes;
  for (const CodeRange& range : ranges) {
    for (unsigned code = range.first; code <= range.last; ++code) {
      codes.set(code);
    }
  }
  return codes;
}
