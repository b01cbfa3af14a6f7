#include "vocabulary/NameTables.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "CodeSet.h"

namespace {

struct TableShape {
  const char* label;
  const NameTable& table;
  std::size_t namedCount;
  CodeSet emptyCodes;
};

const TableShape TableShapes[] = {
    {"RideTypeNames", RideTypeNames, 83, CodesIn({{64, 64}, {68, 68}, {85, 255}})},
    {"VehicleTypeNames", VehicleTypeNames, 88, CodesIn({{74, 74}, {89, 255}})},
    {"OperatingModeNames", OperatingModeNames, 34, CodesIn({{34, 255}})},
    {"SegmentNames", SegmentNames, 210, CodesIn({{101, 101}, {205, 210}, {216, 254}})},
};

TEST(NameTables, LeaveExactlyTheirGapsEmpty) {
  for (const TableShape& shape : TableShapes) {
    SCOPED_TRACE(shape.label);
    std::size_t named = 0;
    for (unsigned code = 0; code < 256; ++code) {
      EXPECT_EQ(shape.table[code].empty(), shape.emptyCodes.test(code)) << "code " << code;
      named += shape.table[code].empty() ? 0 : 1;
    }
    EXPECT_EQ(named, shape.namedCount);
  }
}

// A stray blank or control character would show in the listing and the export.
TEST(NameTables, NamesArePrintableWithoutOuterBlanks) {
  for (const TableShape& shape : TableShapes) {
    SCOPED_TRACE(shape.label);
    for (unsigned code = 0; code < 256; ++code) {
      const std::string_view name = shape.table[code];
      if (name.empty()) continue;
      EXPECT_NE(name.front(), ' ') << "code " << code;
      EXPECT_NE(name.back(), ' ') << "code " << code;
      for (const char c : name) {
        EXPECT_TRUE(c >= ' ' && c <= '~') << "code " << code;
      }
    }
  }
}

struct NamedCodes {
  const NameTable& table;
  std::vector<unsigned> codes;
  std::string_view name;
};

// Names that look like slips but are meant, and names that stand at several codes.
TEST(NameTables, CodesCarryTheirExactNames) {
  const NamedCodes cases[] = {
      {VehicleTypeNames, {0, 31, 55, 56}, "Rollercoaster train"},
      {VehicleTypeNames, {14, 62}, "Mouse cars"},
      {VehicleTypeNames, {17}, "'Rocket' cars"},
      {VehicleTypeNames, {51}, "Haunted nouse building"},
      {OperatingModeNames, {19}, "Film: \"Avenging Aviators\""},
      {OperatingModeNames, {25}, "3D Film: \"Storm Chasers\""},
      {SegmentNames, {115}, "Unknown"},
      {SegmentNames, {255}, "End of track"},
      {SegmentNames, {52, 187}, "Inline twist left, normal to inverted"},
      {SegmentNames, {56, 191}, "Half loop, normal to inverted"},
      {SegmentNames, {61, 196}, "Half-corkscrew right, inverted to normal"},
      {SegmentNames, {91, 102, 106}, "Helix up left [large]"},
      {SegmentNames, {94, 105, 109}, "Helix down right [large]"},
      {SegmentNames, {125, 126}, "Vertical slope up"},
      {SegmentNames, {127, 214}, "Vertical slope down"},
      {SegmentNames, {138, 140}, "Banked right-hand curve (large radius)"},
  };
  for (const NamedCodes& named : cases) {
    for (const unsigned code : named.codes) {
      EXPECT_EQ(named.table[code], named.name) << "code " << code;
    }
  }
}

const NameTable NoNames{};

struct LookupCase {
  const NameTable& table;
  unsigned code;
  std::string_view text;
};

TEST(NameLookup, GivesTheNameOrTheCodeInLowercaseHex) {
  const LookupCase cases[] = {
      {RideTypeNames, 64, "Unknown (40h)"},
      {RideTypeNames, 68, "Unknown (44h)"},
      {RideTypeNames, 84, "Lemonade Stall"},
      {RideTypeNames, 85, "Unknown (55h)"},
      {RideTypeNames, 255, "Unknown (ffh)"},
      {VehicleTypeNames, 73, "Twister cars (reversed)"},
      {VehicleTypeNames, 74, "Unknown (4ah)"},
      {VehicleTypeNames, 75, "Freefall car"},
      {VehicleTypeNames, 88, "Enterprise wheel"},
      {VehicleTypeNames, 89, "Unknown (59h)"},
      {OperatingModeNames, 33, "Freefall Drop Mode"},
      {OperatingModeNames, 34, "Unknown (22h)"},
      // Only the low byte of the code counts.
      {RideTypeNames, 0x154, "Lemonade Stall"},
      {RideTypeNames, 0xFFFFFF40, "Unknown (40h)"},
      // Codes below 16 keep their leading zero.
      {NoNames, 0x05, "Unknown (05h)"},
      {NoNames, 0x00, "Unknown (00h)"},
  };
  for (const LookupCase& lookup : cases) {
    std::string text = "left over from an earlier lookup";
    NameLookup(lookup.table, lookup.code, text);
    EXPECT_EQ(text, lookup.text) << "code " << lookup.code;
  }
}

}  // namespace
