// What the hardware allows: the shortest checksum chain, filling, copying and reading memory.
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "bench/BenchSetup.h"

#if !defined(__x86_64__)
#error "the checksum bound is written in x86-64 assembly"
#endif

namespace {

std::vector<std::uint8_t> RandomBytes(std::size_t count) {
  std::vector<std::uint8_t> bytes(count);
  std::mt19937 random(1);
  for (std::uint8_t& byte : bytes) byte = std::uint8_t(random());
  return bytes;
}

// Each byte costs one 8-bit add into the low byte and one 32-bit rotate, the two
// instructions the checksum cannot do without; nothing in C++ can be faster.
void ChecksumChainBound(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = RandomBytes(kDesignBytes);
  for (auto _ : state) {
    std::uint32_t checksum = 0;
    for (const std::uint8_t byte : bytes)
      asm("addb %b[byte], %b[sum]\n\troll $3, %[sum]" : [sum] "+r"(checksum) : [byte] "r"(std::uint32_t(byte)));
    benchmark::DoNotOptimize(checksum);
  }
  CountBytes(state, "bytes", bytes.size());
}
BENCHMARK(ChecksumChainBound)->Apply(FastestOfRepetitions);

void MemsetBound(benchmark::State& state) {
  std::vector<std::uint8_t> buffer(kDesignBytes, 1);
  for (auto _ : state) {
    std::memset(buffer.data(), 0x5A, buffer.size());
    benchmark::ClobberMemory();
  }
  CountBytes(state, "bytes", buffer.size());
}
BENCHMARK(MemsetBound)->Apply(FastestOfRepetitions);

void MemcpyBound(benchmark::State& state) {
  const std::vector<std::uint8_t> source = RandomBytes(kDesignBytes);
  std::vector<std::uint8_t> target(kDesignBytes, 1);
  for (auto _ : state) {
    std::memcpy(target.data(), source.data(), source.size());
    benchmark::ClobberMemory();
  }
  CountBytes(state, "bytes", source.size());
}
BENCHMARK(MemcpyBound)->Apply(FastestOfRepetitions);

// One read of every byte, eight at a time with independent accumulators: the
// least a packer pays to find where runs end, whatever it writes.
void ReadBound(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = RandomBytes(kDesignBytes);
  for (auto _ : state) {
    std::uint64_t folded[4] = {};
    for (std::size_t offset = 0; offset < bytes.size(); offset += sizeof folded) {
      for (std::size_t lane = 0; lane < 4; ++lane) {
        std::uint64_t word;
        std::memcpy(&word, &bytes[offset + lane * sizeof word], sizeof word);
        folded[lane] |= word;
      }
    }
    benchmark::DoNotOptimize(folded);
  }
  CountBytes(state, "bytes", bytes.size());
}
BENCHMARK(ReadBound)->Apply(FastestOfRepetitions);

}  // namespace
