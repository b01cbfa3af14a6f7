#include "trackfile/MirrorCode.h"

#include <array>
#include <initializer_list>
#include <stdexcept>

namespace {

using CodeTable = std::array<std::uint8_t, 256>;

// A run of codes in which left and right twins sit next to each other, two by
// two from the run's first code: first pairs with first + 1, first + 2 with
// first + 3, and so on up to last.
struct TwinRun {
  std::uint8_t first;
  std::uint8_t last;
};

// Codes outside every run map to themselves. A run with an odd number of codes,
// or runs that overlap, stop the build: the table must stay its own inverse.
consteval CodeTable MakeMirrorTable(std::initializer_list<TwinRun> runs) {
  CodeTable table{};
  for (unsigned code = 0; code < table.size(); ++code) table[code] = static_cast<std::uint8_t>(code);
  std::array<bool, 256> paired{};
  for (const TwinRun& run : runs) {
    if (run.last <= run.first || (run.last - run.first) % 2 == 0) {
      throw std::logic_error("a run pairs an even number of codes");
    }
    for (unsigned code = run.first; code <= run.last; ++code) {
      if (paired[code]) throw std::logic_error("runs must not overlap");
      paired[code] = true;
      table[code] = static_cast<std::uint8_t>(run.first + ((code - run.first) ^ 1u));
    }
  }
  return table;
}

constexpr CodeTable MirrorCodes = MakeMirrorTable({
    // curves, banking, rolls, ess bends, vertical loops, small curves, inline twists
    {16, 55},
    // half-corkscrews
    {58, 61},
    // covered curves and ess bends, helices, steep twists
    {81, 98},
    // the further large helices
    {102, 109},
    // large-radius curves
    {133, 140},
    // diagonal rolls; the run also swaps the two steep diagonal transitions before them
    {156, 171},
    // barrel rolls, rolls into small-radius turns and back
    {174, 181},
    // large half loops, second inline twists
    {183, 190},
    // second half-corkscrews
    {193, 196},
    // heartline rolls
    {199, 200},
    // reversing sections
    {211, 212},
});

}  // namespace

std::uint8_t MirrorCode(std::uint8_t code) { return MirrorCodes[code]; }
