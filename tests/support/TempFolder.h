#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path(const std::string& name) const { return (m_path / name).string(); }
  std::string Write(const std::string& name, std::span<const std::uint8_t> bytes) const;
  // Names of the entries in the folder, sorted.
  std::vector<std::string> Entries() const;

private:
  std::filesystem::path m_path;
};

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
