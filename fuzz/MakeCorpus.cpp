// Writes the fuzz target's seed corpus: design files made from the project's
// own descriptions, covering each edition, both track-list offsets, open and
// closed circuits and the refusals.

#include <cstdio>
#include <fstream>
#include <string>

#include "examples/DesignBuilder.h"

namespace {

void Write(const std::string& folder, const std::string& name, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(folder + "/" + name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

DesignDescription Circuit() {
  DesignDescription design;
  design.segments = {{2, 0x08}, {3},       {1, 0x08}, {6, 0x80}, {4, 0x80}, {4, 0x80}, {9, 0x80},
                     {40},      {133},     {135},     {99, 0x05}, {100, 0x0A}, {0, 0x40}, {17}};
  return design;
}

DesignDescription Shuttle() {
  DesignDescription design;
  design.rideType = 42;
  design.operatingMode = 2;
  design.segments = {{1, 0x08}, {0}, {182}, {56}, {57}, {0}, {2, 0x08}};
  return design;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_corpus FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  Write(folder, "circuit.td4", BuildDesignFile(Circuit()));
  Write(folder, "circuit-alt.td4", BuildDesignFile(Circuit(), kAltChecksumOffset));
  Write(folder, "shuttle.td4", BuildDesignFile(Shuttle()));

  DesignDescription later = Circuit();
  later.flags = 0x04;
  Write(folder, "later-track-list.td4", BuildDesignFile(later));

  DesignDescription middleFirst = Circuit();
  middleFirst.segments.insert(middleFirst.segments.begin(), {{3}, {3}});
  Write(folder, "middle-first.td4", BuildDesignFile(middleFirst));

  DesignDescription maze = Circuit();
  maze.rideType = 20;
  Write(folder, "maze.td4", BuildDesignFile(maze));

  std::vector<std::uint8_t> wrongTrailer = BuildDesignFile(Shuttle());
  wrongTrailer.back() ^= 0x40;
  Write(folder, "wrong-trailer.td4", wrongTrailer);
  Write(folder, "empty-body.td4", PackDesignFile({}));
  return 0;
}
