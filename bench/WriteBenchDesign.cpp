// Writes a design file for timing the programs from the outside: the
// benchmarks' circuit of a given number of segments; with "level" as many
// Level segments as a design holds (8.4 million), which pack to a file of a
// few hundred kilobytes; or with "padded" a short circuit followed by zeros up
// to the 16 MiB a design may unpack to, which loads fast and takes the most memory.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench/BenchDesigns.h"
#include "trackfile/DecoderDoc.h"

namespace {

DesignDescription LargestLevelTrack() {
  DesignDescription description;
  const std::size_t room = CDecoderDoc::kMaxDesignLength - 56 - 2 - description.afterTrack.size();
  description.segments.resize(room / 2, {0});
  return description;
}

// A short circuit whose design buffer is filled up to the cap after its track list.
DesignDescription PaddedTrack() {
  DesignDescription description = CircuitDescription(16);
  const std::size_t start = (description.flags & 0x04) ? 196 : 56;
  const std::size_t track = start + 2 * description.segments.size() + 2;
  description.afterTrack.resize(CDecoderDoc::kMaxDesignLength - track, 0);
  return description;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SEGMENTS|level|padded FILE\n", argv[0]);
    return EXIT_FAILURE;
  }
  const std::string kind = argv[1];
  const std::vector<std::uint8_t> file = BuildDesignFile(kind == "level"    ? LargestLevelTrack()
                                                        : kind == "padded" ? PaddedTrack()
                                                                           : CircuitDescription(std::stoi(kind)));
  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
  return out.good() ? EXIT_SUCCESS : EXIT_FAILURE;
}
