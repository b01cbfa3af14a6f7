// The checksum, unpacking and packing of 8 MiB designs of three kinds.
#include <cstdint>
#include <vector>

#include "bench/BenchDesigns.h"
#include "bench/BenchSetup.h"
#include "examples/DesignBuilder.h"
#include "framework/Archive.h"
#include "trackfile/DecoderDoc.h"
#include "trackfile/PackedCodec.h"

namespace {

using DesignMaker = std::vector<std::uint8_t> (*)(std::size_t);

void ChecksumStepLoop(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = LiteralHeavyDesign(kDesignBytes);
  for (auto _ : state) {
    // Opaque to the compiler, as a running checksum is after the first byte.
    std::uint32_t checksum = 0;
    benchmark::DoNotOptimize(checksum);
    for (const std::uint8_t byte : bytes) ChecksumStep(checksum, byte);
    benchmark::DoNotOptimize(checksum);
  }
  CountBytes(state, "bytes", bytes.size());
}
BENCHMARK(ChecksumStepLoop)->Apply(FastestOfRepetitions);

// The load half of the document, from the file's bytes in memory to the design
// buffer and its segments, as every open runs it.
void Unpack(benchmark::State& state, DesignMaker makeDesign) {
  const std::vector<std::uint8_t> design = makeDesign(kDesignBytes);
  const std::vector<std::uint8_t> file = PackDesignFile(design);
  CDecoderDoc doc;
  for (auto _ : state) {
    doc.DeleteContents();
    CArchive archive(file, file.size());
    doc.Serialize(archive);
  }
  if (doc.m_nDataLen != int(design.size())) state.SkipWithError("the design did not load");
  CountBytes(state, "body_bytes", file.size() - 4);
  CountBytes(state, "unpacked_bytes", design.size());
}
BENCHMARK_CAPTURE(Unpack, literal, LiteralHeavyDesign)->Apply(FastestOfRepetitions);
BENCHMARK_CAPTURE(Unpack, runs, RunHeavyDesign)->Apply(FastestOfRepetitions);
BENCHMARK_CAPTURE(Unpack, mixed, MixedDesign)->Apply(FastestOfRepetitions);

void Pack(benchmark::State& state, DesignMaker makeDesign) {
  const std::vector<std::uint8_t> design = makeDesign(kDesignBytes);
  std::size_t written = 0;
  for (auto _ : state) {
    std::vector<std::uint8_t> file;
    CArchive archive(file);
    PackDesign(design, kNormalChecksumOffset, archive);
    written = file.size() - 4;
    benchmark::DoNotOptimize(file.data());
  }
  CountBytes(state, "body_bytes", written);
  CountBytes(state, "unpacked_bytes", design.size());
}
BENCHMARK_CAPTURE(Pack, literal, LiteralHeavyDesign)->Apply(FastestOfRepetitions);
BENCHMARK_CAPTURE(Pack, runs, RunHeavyDesign)->Apply(FastestOfRepetitions);
BENCHMARK_CAPTURE(Pack, mixed, MixedDesign)->Apply(FastestOfRepetitions);

}  // namespace
