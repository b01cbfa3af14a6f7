#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "examples/DesignBuilder.h"

// A sample design shipped with the program, built into a file at build time.
struct ExampleDesign {
  std::string_view fileName;
  DesignDescription description;
  std::uint32_t checksumOffset = kNormalChecksumOffset;
};

// The samples, the first one being the design a first run shows.
const std::vector<ExampleDesign>& ExampleDesigns();
