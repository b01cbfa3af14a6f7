// The checksum, unpacking and packing of 8 MiB designs of three kinds, each
// beside what the hardware allows over the same bytes.
#include <cstdint>
#include <span>
#include <vector>

#include "bench/BenchDesigns.h"
#include "bench/BenchSetup.h"
#include "bench/MachineBounds.h"
#include "examples/DesignBuilder.h"
#include "framework/Archive.h"
#include "trackfile/DecoderDoc.h"
#include "trackfile/PackedCodec.h"

namespace {

using DesignMaker = std::vector<std::uint8_t> (*)(std::size_t);

// A packed file's body: everything before its four-byte trailer.
std::span<const std::uint8_t> Body(const std::vector<std::uint8_t>& file) {
  return std::span(file).first(file.size() - 4);
}

void ChecksumStepLoop(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = LiteralHeavyDesign(kDesignBytes);
  const auto figure = [&] {
    // Opaque to the compiler, as a running checksum is after the first byte.
    std::uint32_t checksum = 0;
    benchmark::DoNotOptimize(checksum);
    for (const std::uint8_t byte : bytes) ChecksumStep(checksum, byte);
    benchmark::DoNotOptimize(checksum);
  };
  TimeAgainstBound(state, figure, [&] { benchmark::DoNotOptimize(ChecksumChain(bytes)); });
}
BENCHMARK(ChecksumStepLoop)->Apply(OnePairPerRepetition);

// The load half of the document, from the file's bytes in memory to the design
// buffer and its segments, as every open runs it.
struct Unpacking {
  explicit Unpacking(DesignMaker makeDesign) : design(makeDesign(kDesignBytes)), file(PackDesignFile(design)) {}

  void operator()() {
    doc.DeleteContents();
    CArchive archive(file, file.size());
    doc.Serialize(archive);
  }

  bool Loaded() const { return doc.m_nDataLen == int(design.size()); }

  const std::vector<std::uint8_t> design;
  const std::vector<std::uint8_t> file;
  CDecoderDoc doc;
};

// Literal runs cost the checksum of every byte read: the chain over the body bounds them.
void UnpackAgainstChecksum(benchmark::State& state, DesignMaker makeDesign) {
  Unpacking unpack(makeDesign);
  TimeAgainstBound(state, unpack, [&] { benchmark::DoNotOptimize(ChecksumChain(Body(unpack.file))); });
  if (!unpack.Loaded()) state.SkipWithError("the design did not load");
}
BENCHMARK_CAPTURE(UnpackAgainstChecksum, literal, LiteralHeavyDesign)->Apply(OnePairPerRepetition);
BENCHMARK_CAPTURE(UnpackAgainstChecksum, mixed, MixedDesign)->Apply(OnePairPerRepetition);

// Repeat runs write many bytes from few: filling the unpacked bytes bounds them.
void UnpackAgainstFill(benchmark::State& state, DesignMaker makeDesign) {
  Unpacking unpack(makeDesign);
  std::vector<std::uint8_t> unpacked(unpack.design.size());
  TimeAgainstBound(state, unpack, [&] { Fill(unpacked); });
  if (!unpack.Loaded()) state.SkipWithError("the design did not load");
}
BENCHMARK_CAPTURE(UnpackAgainstFill, runs, RunHeavyDesign)->Apply(OnePairPerRepetition);

struct Packing {
  explicit Packing(DesignMaker makeDesign) : design(makeDesign(kDesignBytes)), file(PackDesignFile(design)) {}

  void operator()() const {
    std::vector<std::uint8_t> packed;
    CArchive archive(packed);
    PackDesign(design, kNormalChecksumOffset, archive);
    benchmark::DoNotOptimize(packed.data());
  }

  const std::vector<std::uint8_t> design;
  const std::vector<std::uint8_t> file;  // what packing writes
};

void PackAgainstChecksum(benchmark::State& state, DesignMaker makeDesign) {
  const Packing pack(makeDesign);
  TimeAgainstBound(state, pack, [&] { benchmark::DoNotOptimize(ChecksumChain(Body(pack.file))); });
}
BENCHMARK_CAPTURE(PackAgainstChecksum, literal, LiteralHeavyDesign)->Apply(OnePairPerRepetition);
BENCHMARK_CAPTURE(PackAgainstChecksum, mixed, MixedDesign)->Apply(OnePairPerRepetition);
BENCHMARK_CAPTURE(PackAgainstChecksum, runs, RunHeavyDesign)->Apply(OnePairPerRepetition);

}  // namespace
