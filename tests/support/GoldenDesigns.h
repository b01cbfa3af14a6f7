#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "examples/DesignBuilder.h"

// A design whose expected listings are kept in tests/golden, written there by
// hand: NAME.file.txt and NAME.screen.txt, listed from startElevation.
struct GoldenDesign {
  std::string name;
  DesignDescription description;
  std::uint32_t checksumOffset = kNormalChecksumOffset;
  std::int32_t startElevation = 1;
  bool example = false;  // one of the shipped examples, built into the examples folder

  std::string FileName() const { return name + ".td4"; }
  std::vector<std::uint8_t> File() const { return BuildDesignFile(description, checksumOffset); }
};

// The shipped examples, then the fixtures made for the golden files.
const std::vector<GoldenDesign>& GoldenDesigns();

// Every segment code but the end marker, once each and with no flags, in the
// order 0, 2, 1, 3, 4, ..., 254. Starting at a Level piece followed by a Begin
// station, it is shown in the order it is stored.
DesignDescription EveryCode();

// EveryCode() without the launched lift hill (182), which no reversal accepts.
DesignDescription EveryReversibleCode();

// The text of tests/golden/name.
std::string ReadGolden(std::string_view name);
