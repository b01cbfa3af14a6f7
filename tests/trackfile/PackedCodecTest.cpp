#include "trackfile/PackedCodec.h"

#include <gtest/gtest.h>

#include "examples/DesignBuilder.h"
#include "tests/support/Bytes.h"
#include "tests/support/RunPatterns.h"

namespace {

Bytes Body(const Bytes& file) { return {file.begin(), file.end() - 4}; }
Bytes Trailer(const Bytes& file) { return {file.end() - 4, file.end()}; }

Bytes Repeated(std::uint8_t value, std::size_t count) { return Bytes(count, value); }

// No two neighbours equal, so the packer can only write literal runs.
Bytes Alternating(std::size_t count) {
  Bytes bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = std::uint8_t(i % 2 ? 0x41 : 0x42);
  return bytes;
}

struct PackCase {
  const char* name;
  friend void PrintTo(const PackCase& value, std::ostream* out) { *out << value.name; }
  Bytes design;
  Bytes body;
};

class PackTest : public ::testing::TestWithParam<PackCase> {};

TEST_P(PackTest, WritesTheExpectedRuns) {
  EXPECT_EQ(Body(PackDesignFile(GetParam().design)), GetParam().body);
}

Bytes LiteralRuns(const Bytes& design) {
  // 124, 124 and 52 bytes: count bytes 0x7B, 0x7B and 0x33 before each slice.
  Bytes body = {0x7B};
  body.insert(body.end(), design.begin(), design.begin() + 124);
  body.push_back(0x7B);
  body.insert(body.end(), design.begin() + 124, design.begin() + 248);
  body.push_back(0x33);
  body.insert(body.end(), design.begin() + 248, design.end());
  return body;
}

INSTANTIATE_TEST_SUITE_P(
    Packer, PackTest,
    ::testing::Values(
        PackCase{"RepeatThenLoneLastByte", {0x41, 0x41, 0x41, 0x42}, {0xFE, 0x41, 0x00, 0x42}},
        PackCase{"LiteralThenShortRepeat", {0x41, 0x42, 0x42}, {0x00, 0x41, 0xFF, 0x42}},
        PackCase{"TwoDifferentBytes", {0x41, 0x42}, {0x01, 0x41, 0x42}},
        PackCase{"SingleByte", {0x7E}, {0x00, 0x7E}},
        PackCase{"LongRepeatSplitAt125", Repeated(0x41, 300), {0x84, 0x41, 0x84, 0x41, 0xCF, 0x41}},
        PackCase{"LongLiteralSplitAt124", Alternating(300), LiteralRuns(Alternating(300))},
        PackCase{"EmptyDesignHasNoBody", {}, {}},
        PackCase{"LiteralStopsBeforeEqualPair", {0x01, 0x02, 0x03, 0x03}, {0x01, 0x01, 0x02, 0xFF, 0x03}}),
    [](const auto& info) { return std::string(info.param.name); });

// The packing rule taken one byte at a time: the reference for the packer's
// word-wide scans.
Bytes ReferenceBody(const Bytes& design) {
  Bytes body;
  std::size_t pos = 0;
  while (pos < design.size()) {
    std::size_t length = 1;
    if (pos + 1 < design.size() && design[pos] == design[pos + 1]) {
      while (length < 125 && pos + length < design.size() && design[pos + length] == design[pos]) ++length;
      body.insert(body.end(), {std::uint8_t(1 - int(length)), design[pos]});
    } else {
      while (length < 124 && pos + length + 1 < design.size() && design[pos + length] != design[pos + length + 1])
        ++length;
      if (pos + length + 1 == design.size() && length < 124) ++length;  // the last byte joins the literal
      body.push_back(std::uint8_t(length - 1));
      body.insert(body.end(), design.begin() + std::ptrdiff_t(pos), design.begin() + std::ptrdiff_t(pos + length));
    }
    pos += length;
  }
  return body;
}

TEST(PackTest, RunsEndWhereTheRuleEndsThemAtEveryLength) {
  const Bytes design = StretchesOfEveryLength();
  EXPECT_EQ(Body(PackDesignFile(design)), ReferenceBody(design));
  // Ending on a stretch: the last run reaches the last byte.
  const Bytes endsInStretch = Concat({design, Bytes(260, 0x99)});
  EXPECT_EQ(Body(PackDesignFile(endsInStretch)), ReferenceBody(endsInStretch));
}

TEST(ChecksumTest, TrailerHoldsChecksumMinusEitherOffset) {
  const Bytes design = {0x41, 0x41, 0x41, 0x42};
  // Body FE 41 00 42 has the running checksum 0x000E6410.
  EXPECT_EQ(Trailer(PackDesignFile(design, kNormalChecksumOffset)), (Bytes{0x94, 0xBD, 0x0C, 0x00}));
  EXPECT_EQ(Trailer(PackDesignFile(design, kAltChecksumOffset)), (Bytes{0x4F, 0x8F, 0x0C, 0x00}));

  std::uint32_t checksum = 0;
  for (std::uint8_t byte : Bytes{0xFE, 0x41, 0x00, 0x42}) ChecksumStep(checksum, byte);
  EXPECT_EQ(checksum, 0x000E6410u);
}

TEST(ChecksumTest, EmptyBodyTrailerIsTheNegatedOffset) {
  EXPECT_EQ(PackDesignFile({}, kNormalChecksumOffset), (Bytes{0x84, 0x59, 0xFE, 0xFF}));
  EXPECT_EQ(PackDesignFile({}, kAltChecksumOffset), (Bytes{0x3F, 0x2B, 0xFE, 0xFF}));
}

TEST(ChecksumTest, AdditionNeverCarriesIntoTheUpperBits) {
  std::uint32_t checksum = 0xFF;
  ChecksumStep(checksum, 0x01);
  EXPECT_EQ(checksum, 0u);

  checksum = 0x800000FF;  // the top bit rotates round to bit 2
  ChecksumStep(checksum, 0x02);
  EXPECT_EQ(checksum, 0x00000008u | 0x4u);
}

}  // namespace
