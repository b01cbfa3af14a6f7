#include "vocabulary/GeometryTables.h"

#include <array>
#include <initializer_list>
#include <stdexcept>

namespace {

using DeltaTable = std::array<std::int32_t, 256>;
using CodeTable = std::array<std::uint8_t, 256>;

// The deltas of consecutive codes, the first one belonging to firstCode.
struct DeltaRun {
  std::uint8_t firstCode;
  std::initializer_list<std::int32_t> deltas;
};

// Codes outside every run are flat. Overlapping runs or a run past code 255 stop the build.
consteval DeltaTable MakeDeltaTable(std::initializer_list<DeltaRun> runs) {
  DeltaTable table{};
  std::array<bool, 256> covered{};
  for (const DeltaRun& run : runs) {
    unsigned code = run.firstCode;
    for (const std::int32_t delta : run.deltas) {
      if (code > 255 || covered[code]) {
        throw std::logic_error("delta runs must not overlap or pass code 255");
      }
      covered[code] = true;
      table[code++] = delta;
    }
  }
  return table;
}

struct ReversePair {
  std::uint8_t first;
  std::uint8_t second;
};

// Codes outside every pair map to themselves. A code in two pairs, or paired with
// itself, stops the build: the table must stay its own inverse.
consteval CodeTable MakeReverseTable(std::initializer_list<ReversePair> pairs) {
  CodeTable table{};
  for (unsigned code = 0; code < table.size(); ++code) {
    table[code] = static_cast<std::uint8_t>(code);
  }
  std::array<bool, 256> paired{};
  for (const ReversePair& pair : pairs) {
    if (pair.first == pair.second || paired[pair.first] || paired[pair.second]) {
      throw std::logic_error("every code belongs to one pair at most");
    }
    paired[pair.first] = paired[pair.second] = true;
    table[pair.first] = pair.second;
    table[pair.second] = pair.first;
  }
  return table;
}

// A piece and its reverse need not have opposite deltas (the half loop climbs 7
// and drops 8), so neither table is derived from the other.
constexpr DeltaTable ElevationDeltas = MakeDeltaTable({
    // up, up steep, the four transitions up, then the same going down
    {4, {+1, +4, +1, +2, +2, 0, -1, -4, -1, -2, -2, 0}},
    // rolls into and out of slopes
    {24, {+1, +1, 0, 0, -1, -1}},
    // curves up, curves down
    {34, {+4, +4, -4, -4}},
    // vertical loops
    {40, {-1, -1}},
    // small-radius curves up, then down
    {46, {+2, +2, -2, -2}},
    // inline twists, half loops, half-corkscrews, level to and from steep, tower
    {52, {-1, -1, +1, +1, +7, -8, +3, +3, -3, -3, +2, +1, -2, -1, +6, +2}},
    // covered slopes, like codes 4..14
    {69, {+1, +4, +1, +2, +2, 0, -1, -4, -1, -2, -2}},
    // small helices, large helices, steep twists
    {87, {+1, +1, -1, -1, +1, +1, -1, -1, +4, +4, -4, -4}},
    // two further sets of large helices
    {102, {+1, +1, -1, -1, +1, +1, -1, -1}},
    // vertical pieces and the holding brake before a vertical drop
    {124, {+10, +5, +2, -2, +4, -4, +3, -3, -2}},
    // diagonal slopes like codes 4..15, then diagonal level to and from steep
    {142, {+1, +4, +1, +2, +2, 0, -1, -4, -1, -2, -2, 0, +3, -3, -2}},
    // diagonal rolls into and out of slopes
    {162, {+1, +1, 0, 0, -1, -1}},
    // rolls into small-radius turns and back, launched lift hill, large half loops,
    // second inline twists, half loops and half-corkscrews, heartline transfers
    {178, {+2, +2, -1, -1, +1, +15, +15, -16, -16, -1, -1, +1, +1, +7, -8, +3, +3, -3, -3, +2, -2}},
    // second vertical slope down, slope to level
    {214, {-5, -10}},
});

// Up pieces pair with the matching down pieces taken from the far end, left with right.
constexpr CodeTable ReverseCodes = MakeReverseTable({
    // stations (the middle station stays)
    {1, 2},
    // plain slopes
    {4, 10}, {5, 11}, {6, 15}, {7, 14}, {8, 13}, {9, 12},
    // flat curves and banking
    {16, 17}, {18, 21}, {19, 20}, {22, 23},
    // rolls into and out of slopes
    {24, 31}, {25, 30}, {26, 29}, {27, 28},
    // rolls
    {32, 33},
    // curves up and down
    {34, 37}, {35, 36},
    // small and very small radius curves
    {42, 43}, {44, 45}, {46, 49}, {47, 48}, {50, 51},
    // inline twists, half loop, half-corkscrews
    {52, 55}, {53, 54}, {56, 57}, {58, 61}, {59, 60},
    // level to and from steep
    {62, 65}, {63, 64},
    // covered pieces
    {69, 75}, {70, 76}, {71, 80}, {72, 79}, {73, 78}, {74, 77}, {81, 82}, {85, 86},
    // helices: climbing pairs with descending of the other hand
    {87, 90}, {88, 89}, {91, 94}, {92, 93}, {102, 105}, {103, 104}, {106, 109}, {107, 108},
    // steep twists
    {95, 98}, {96, 97},
    // vertical pieces, paired across the table
    {124, 215}, {125, 214}, {126, 127}, {128, 131}, {129, 130},
    // large-radius curves
    {133, 134}, {135, 136}, {137, 138}, {139, 140},
    // diagonal slopes
    {142, 148}, {143, 149}, {144, 153}, {145, 152}, {146, 151}, {147, 150}, {154, 157}, {155, 156},
    // diagonal rolls and their transitions
    {158, 161}, {159, 160}, {162, 169}, {163, 168}, {164, 167}, {165, 166}, {170, 171},
    // barrel rolls
    {174, 177}, {175, 176},
    // rolls into small-radius turns and back
    {178, 181}, {179, 180},
    // large half loops
    {183, 186}, {184, 185},
    // second inline twists: left with left, right with right
    {187, 189}, {188, 190},
    // second half loop and half-corkscrews
    {191, 192}, {193, 196}, {194, 195},
    // heartline transfers
    {197, 198},
    // reversing sections
    {211, 212},
});

}  // namespace

std::int32_t ElevationDelta(std::uint8_t code) { return ElevationDeltas[code]; }

std::uint8_t ReverseCode(std::uint8_t code) { return ReverseCodes[code]; }
