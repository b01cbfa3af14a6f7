#include "catalog/DesignFolder.h"

#include <algorithm>
#include <filesystem>
#include <strings.h>

#include "framework/Exceptions.h"

namespace fs = std::filesystem;

namespace {

std::string UnreadableText(const std::error_code& error, const std::string& path) {
  return FailureReportText(CFileException::FromErrno(error.value(), path));
}

// Adds the design files of folder, and with recursive those below it.
// Directory iteration skips what it cannot enter only when told to, so every
// step checks its error and records the place instead.
void AddFolder(const fs::path& folder, bool recursive, std::vector<DesignEntry>& found) {
  std::error_code error;
  fs::directory_iterator it(folder, error);
  if (error) {
    found.push_back({folder.string(), UnreadableText(error, folder.string())});
    return;
  }
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) break;
    const fs::directory_entry& entry = *it;
    std::error_code typeError;
    // A linked folder is not followed: a link back up would never end.
    if (entry.is_directory(typeError) && !entry.is_symlink(typeError)) {
      if (recursive) AddFolder(entry.path(), recursive, found);
    } else if (HasDesignExtension(entry.path().filename().string())) {
      found.push_back({entry.path().string(), ""});
    }
  }
  if (error) found.push_back({folder.string(), UnreadableText(error, folder.string())});
}

}  // namespace

bool HasDesignExtension(const std::string& name) {
  constexpr std::size_t kLength = 4;
  return name.size() > kLength && strcasecmp(name.c_str() + name.size() - kLength, ".td4") == 0;
}

std::vector<DesignEntry> FindDesigns(const std::vector<std::string>& paths, bool recursive) {
  std::vector<DesignEntry> designs;
  for (const std::string& path : paths) {
    std::error_code error;
    if (!fs::is_directory(path, error)) {
      designs.push_back({path, ""});
      continue;
    }
    std::vector<DesignEntry> found;
    AddFolder(path, recursive, found);
    std::ranges::sort(found, {}, &DesignEntry::path);
    std::ranges::move(found, std::back_inserter(designs));
  }
  return designs;
}
