// Reads every design file of a folder whole (open, read to the end, close) on
// THREADS threads and prints the wall time in seconds, listing included: the
// least a catalogue of the folder can take, which scripts/bench holds td4
// catalog to. The folder is listed as the catalogue lists it, its entries
// named *.td4 in any case.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

bool IsDesignFile(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return extension == ".td4";
}

std::vector<std::filesystem::path> DesignFiles(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (IsDesignFile(entry.path())) paths.push_back(entry.path());
  return paths;
}

// Reads the file whole; returns how many bytes it held, or -1 when it cannot be read.
long ReadWhole(const std::filesystem::path& path) {
  const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) return -1;
  static thread_local char buffer[1 << 16];
  long total = 0;
  ssize_t got;
  while ((got = read(file, buffer, sizeof buffer)) > 0) total += got;
  close(file);
  return got < 0 ? -1 : total;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3 || std::atoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: %s THREADS FOLDER\n", argv[0]);
    return EXIT_FAILURE;
  }
  const int threadCount = std::atoi(argv[1]);
  const auto start = std::chrono::steady_clock::now();
  const std::vector<std::filesystem::path> paths = DesignFiles(argv[2]);
  std::atomic<std::size_t> next = 0;
  std::atomic<bool> failed = false;
  {
    std::vector<std::jthread> threads;
    for (int i = 0; i < threadCount; ++i)
      threads.emplace_back([&] {
        for (std::size_t file; (file = next++) < paths.size();)
          if (ReadWhole(paths[file]) < 0) failed = true;
      });
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  if (failed) {
    std::fprintf(stderr, "%s: a file could not be read\n", argv[0]);
    return EXIT_FAILURE;
  }
  std::printf("%.3f\n", elapsed.count());
  return EXIT_SUCCESS;
}
