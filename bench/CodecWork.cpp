// Runs one work of the codec benchmarks once, on their 8 MiB design of the
// kind given, for callgrind to count its instructions: counts stay put
// however busy the machine is, where times move with it. Each work is a
// function of its own, so that --toggle-collect can pick it out.
//
//   codec_work pack|read literal|mixed|runs
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "bench/BenchDesigns.h"
#include "bench/MachineBounds.h"
#include "framework/Archive.h"
#include "trackfile/PackedCodec.h"

// Packing the design as the benchmarks time it.
[[gnu::noinline]] std::size_t PackOnce(const std::vector<std::uint8_t>& design) {
  std::vector<std::uint8_t> packed;
  CArchive archive(packed);
  PackDesign(design, kNormalChecksumOffset, archive);
  return packed.size();
}

// One read of the design, the bound of packing it.
[[gnu::noinline]] std::size_t ReadOnce(const std::vector<std::uint8_t>& design) {
  return std::size_t(ReadEvery(design));
}

int main(int argc, char* argv[]) {
  using Maker = std::vector<std::uint8_t> (*)(std::size_t);
  using Work = std::size_t (*)(const std::vector<std::uint8_t>&);
  const std::map<std::string, Maker> kinds = {
      {"literal", LiteralHeavyDesign}, {"mixed", MixedDesign}, {"runs", RunHeavyDesign}};
  const std::map<std::string, Work> works = {{"pack", PackOnce}, {"read", ReadOnce}};
  if (argc != 3 || !works.contains(argv[1]) || !kinds.contains(argv[2])) {
    std::fprintf(stderr, "usage: %s pack|read literal|mixed|runs\n", argv[0]);
    return EXIT_FAILURE;
  }
  const std::vector<std::uint8_t> design = kinds.at(argv[2])(kDesignBytes);
  std::printf("%zu\n", works.at(argv[1])(design));
  return EXIT_SUCCESS;
}
