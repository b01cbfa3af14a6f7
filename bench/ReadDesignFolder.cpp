// Reads every design file of a folder whole (open, read to the end, close) on
// THREADS threads and prints the wall time in seconds, listing included: the
// least a catalogue of the folder can take, which scripts/bench holds td4
// catalog to. The folder is listed by the catalogue's own search.
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "catalog/DesignFolder.h"

namespace {

// Reads the file whole; false when it cannot be read.
bool ReadWhole(const std::string& path) {
  const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) return false;
  static thread_local char buffer[1 << 16];
  ssize_t got;
  while ((got = read(file, buffer, sizeof buffer)) > 0) continue;
  close(file);
  return got == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3 || std::atoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: %s THREADS FOLDER\n", argv[0]);
    return EXIT_FAILURE;
  }
  const int threadCount = std::atoi(argv[1]);
  const auto start = std::chrono::steady_clock::now();
  const std::vector<DesignEntry> designs = FindDesigns({argv[2]}, false);
  std::atomic<std::size_t> next = 0;
  std::atomic<bool> failed = false;
  {
    std::vector<std::jthread> threads;
    for (int i = 0; i < threadCount; ++i)
      threads.emplace_back([&] {
        for (std::size_t file; (file = next++) < designs.size();)
          if (!ReadWhole(designs[file].path)) failed = true;
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
