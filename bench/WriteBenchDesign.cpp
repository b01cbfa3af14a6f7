// Writes the benchmarks' circuit of a given number of segments as a design
// file, for timing the programs from the outside.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench/BenchDesigns.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SEGMENTS FILE\n", argv[0]);
    return EXIT_FAILURE;
  }
  const std::vector<std::uint8_t> file = BuildDesignFile(CircuitDescription(std::stoi(argv[1])));
  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
  return out.good() ? EXIT_SUCCESS : EXIT_FAILURE;
}
