#include "vocabulary/GeometryTables.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "CodeSet.h"

namespace {

std::uint8_t Code(unsigned value) { return static_cast<std::uint8_t>(value); }

TEST(ReverseCode, IsItsOwnInverse) {
  for (unsigned code = 0; code < 256; ++code) {
    EXPECT_EQ(ReverseCode(ReverseCode(Code(code))), code) << "code " << code;
  }
}

TEST(ReverseCode, FixesExactlyThePiecesWithoutADirection) {
  const CodeSet fixedCodes = CodesIn({{0, 0},     {3, 3},     {38, 41},   {66, 68},   {83, 84},
                                      {99, 101},  {110, 123}, {132, 132}, {141, 141}, {172, 173},
                                      {182, 182}, {199, 210}, {213, 213}, {216, 255}});
  unsigned pairs = 0;
  for (unsigned code = 0; code < 256; ++code) {
    const unsigned reversed = ReverseCode(Code(code));
    EXPECT_EQ(reversed == code, fixedCodes.test(code)) << "code " << code;
    pairs += reversed > code ? 1 : 0;
  }
  EXPECT_EQ(pairs, 85u);
}

struct ReversePair {
  unsigned code;
  unsigned reversed;
};

// Pairings that neighbouring codes would get wrong.
TEST(ReverseCode, PairsFollowThePieces) {
  const ReversePair cases[] = {
      {1, 2},      // end and begin station
      {6, 15},     // level to up runs backwards as down to level
      {87, 90},    // helix up left, helix down right
      {52, 55},    // first inline twists pair left with right
      {187, 189},  // second inline twists pair left with left
      {188, 190},
      {124, 215},  // vertical pieces pair across the table
      {125, 214},
      {154, 157},
      {211, 212},
  };
  for (const ReversePair& pair : cases) {
    EXPECT_EQ(ReverseCode(Code(pair.code)), pair.reversed) << "code " << pair.code;
  }
}

TEST(ElevationDelta, IsZeroExactlyAtTheFlatCodes) {
  const CodeSet flatCodes =
      CodesIn({{0, 3},     {16, 23},   {30, 33},   {38, 39},   {42, 45},   {50, 51},
               {68, 68},   {80, 86},   {99, 101},  {110, 123}, {133, 141}, {157, 161},
               {168, 177}, {199, 213}, {216, 255},
               // transitions that end level or start and end at the same height
               {9, 9}, {15, 15}, {26, 27}, {74, 74}, {147, 147}, {153, 153}, {164, 165}});
  for (unsigned code = 0; code < 256; ++code) {
    EXPECT_EQ(ElevationDelta(Code(code)) == 0, flatCodes.test(code)) << "code " << code;
  }
}

struct DeltaCase {
  unsigned code;
  std::int32_t delta;
};

// Deltas that look irregular but are meant, and pieces whose reverse is not their negation.
TEST(ElevationDelta, KeepsTheIrregularValues) {
  const DeltaCase cases[] = {
      {5, +4},    {6, +1},    {15, 0},                          // up steep; level to up and its reverse
      {56, +7},   {57, -8},   {191, +7},  {192, -8},            // half loops
      {183, +15}, {184, +15}, {185, -16}, {186, -16},           // large half loops
      {40, -1},   {41, -1},                                     // vertical loops
      {62, +2},   {63, +1},   {64, -2},   {65, -1},             // level to and from steep
      {154, +3},  {155, -3},  {156, -2},  {157, 0},             // the same pieces, diagonal
      {66, +6},   {67, +2},   {182, +1},                        // tower, launched lift hill
      {124, +10}, {132, -2},  {214, -5},  {215, -10},           // vertical pieces
      {96, +4},   {97, -4},   {109, -1},  {197, +2}, {198, -2}, // twists, helix, heartline
  };
  for (const DeltaCase& expected : cases) {
    EXPECT_EQ(ElevationDelta(Code(expected.code)), expected.delta) << "code " << expected.code;
  }
}

}  // namespace
