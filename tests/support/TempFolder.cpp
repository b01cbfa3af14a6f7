#include "tests/support/TempFolder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "ttd-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  m_path = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(m_path, ignored);
}

std::string TempFolder::Write(const std::string& name, std::span<const std::uint8_t> bytes) const {
  const std::string path = Path(name);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return path;
}

std::vector<std::string> TempFolder::Entries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(m_path)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
