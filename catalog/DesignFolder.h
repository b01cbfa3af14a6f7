#pragma once

#include <string>
#include <vector>

// One design to summarise: a file, or a place that could not be read while
// looking for designs, with the message that tells why.
struct DesignEntry {
  std::string path;
  std::string failure;  // empty: a file to load
};

// True for a name ending in ".td4", in any case.
bool HasDesignExtension(const std::string& name);

// The designs at paths, in their order: a file stands for itself (whatever its
// name), a folder for its design files sorted by path, and with recursive for
// those of its sub-folders too, in the same order. A folder or sub-folder that
// cannot be read is an entry with its message; nothing stops the search.
std::vector<DesignEntry> FindDesigns(const std::vector<std::string>& paths, bool recursive);
