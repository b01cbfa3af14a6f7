#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/DesignSummary.h"

#include "shell/designs/RowTexts.h"

// What tells that a file changed since it was summarised: a file written
// again gets a new size or modification time.
struct FileStamp {
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // nanoseconds of the file clock

  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// A design of the Designs panel: its summary, the file as it was summarised,
// and the texts of its cells.
struct ScannedDesign {
  DesignSummary summary;
  FileStamp stamp;
  DesignTexts texts;
};

// The files of a folder the panel already knows, sorted by path.
using KnownDesigns = std::vector<std::pair<std::string, FileStamp>>;
