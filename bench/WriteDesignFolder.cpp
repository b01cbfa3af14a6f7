// Writes a folder of COUNT design files such as people download, for timing
// td4 catalog: the example designs' rides and editions at realistic sizes
// (one to eight laps of their track, up to four hundred scenery items, from
// about a hundred bytes to 4 KB packed), a fifth with the alternative checksum
// offset, a few percent of each kind of damage, and some names in upper case.
// Each file depends on its number alone: the same COUNT writes the same folder.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "examples/ExampleDesigns.h"
#include "vocabulary/SegmentCodes.h"

namespace {

// What a file is; whatever the shares below leave are designs that load with the normal checksum.
enum class Kind { Normal, AlternativeChecksum, WrongChecksum, Truncated, HedgeMaze, RandomBytes, Empty };

struct Share {
  Kind kind;
  int percent;
};
constexpr Share kShares[] = {
    {Kind::AlternativeChecksum, 20}, {Kind::WrongChecksum, 3}, {Kind::Truncated, 3}, {Kind::HedgeMaze, 2},
    {Kind::RandomBytes, 2},          {Kind::Empty, 1}};
constexpr int kUpperCasePercent = 5;

Kind PickKind(std::mt19937& random) {
  int roll = int(random() % 100);
  for (const Share& share : kShares) {
    if (roll < share.percent) return share.kind;
    roll -= share.percent;
  }
  return Kind::Normal;
}

std::uint8_t Byte(std::mt19937& random, unsigned below = 256) { return std::uint8_t(random() % below); }

// The example's track repeated, and scenery after it: items of eight bytes,
// mostly small numbers and zeros, as placed objects are stored.
DesignDescription Grown(const DesignDescription& example, std::mt19937& random) {
  DesignDescription design = example;
  for (unsigned lap = random() % 8; lap > 0; --lap)
    design.segments.insert(design.segments.end(), example.segments.begin(), example.segments.end());
  for (unsigned item = random() % 400; item > 0; --item)
    design.afterTrack.insert(design.afterTrack.end(), {Byte(random, 200), Byte(random, 32), Byte(random, 32),
                                                       Byte(random, 16), Byte(random, 4), 0, 0, 0});
  return design;
}

std::vector<std::uint8_t> FileOf(Kind kind, const ExampleDesign& example, std::mt19937& random) {
  DesignDescription design = Grown(example.description, random);
  switch (kind) {
    case Kind::Normal:
      return BuildDesignFile(design, kNormalChecksumOffset);
    case Kind::AlternativeChecksum:
      return BuildDesignFile(design, kAltChecksumOffset);
    case Kind::WrongChecksum: {
      std::vector<std::uint8_t> file = BuildDesignFile(design);
      file.back() ^= 0x80;  // far from both offsets
      return file;
    }
    case Kind::Truncated: {
      std::vector<std::uint8_t> file = BuildDesignFile(design);
      file.resize(1 + random() % (file.size() - 1));
      return file;
    }
    case Kind::HedgeMaze:
      design.rideType = RideType::HedgeMaze;
      return BuildDesignFile(design);
    case Kind::RandomBytes: {
      std::vector<std::uint8_t> file(1 + random() % 4096);
      for (std::uint8_t& byte : file) byte = Byte(random);
      return file;
    }
    case Kind::Empty:
      break;
  }
  return {};
}

// The example's name with a number, such as sky-high-004711.td4, or all in upper case.
std::string FileName(const ExampleDesign& example, int number, bool upperCase) {
  const std::string stem = std::filesystem::path(example.fileName).stem().string();
  char name[64];
  std::snprintf(name, sizeof name, "%s-%06d.td4", stem.c_str(), number);
  std::string result = name;
  if (upperCase)
    for (char& c : result) c = char(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

// Writes design number NUMBER, from a generator of its own.
bool WriteDesign(const std::filesystem::path& folder, int number) {
  std::mt19937 random(number);
  const std::vector<ExampleDesign>& examples = ExampleDesigns();
  const ExampleDesign& example = examples[random() % examples.size()];
  const Kind kind = PickKind(random);
  const bool upperCase = random() % 100 < kUpperCasePercent;
  const std::vector<std::uint8_t> file = FileOf(kind, example, random);
  std::ofstream out(folder / FileName(example, number, upperCase), std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
  return bool(out.flush());
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s COUNT FOLDER\n", argv[0]);
    return EXIT_FAILURE;
  }
  const int count = std::stoi(argv[1]);
  const std::filesystem::path folder = argv[2];
  std::filesystem::create_directories(folder);
  for (int number = 0; number < count; ++number) {
    if (!WriteDesign(folder, number)) {
      std::fprintf(stderr, "%s: cannot write to %s\n", argv[0], folder.c_str());
      return EXIT_FAILURE;
    }
  }
  return EXIT_SUCCESS;
}
