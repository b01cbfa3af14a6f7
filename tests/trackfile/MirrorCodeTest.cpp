#include <gtest/gtest.h>

#include <cstdlib>

#include "trackfile/MirrorCode.h"

namespace {

struct CodeRange {
  int first;
  int last;
};

// Pieces without a hand, and the handed-looking pieces that stay as they are.
constexpr CodeRange kUnchanged[] = {{0, 15},    {56, 57},   {62, 80},   {99, 101},  {110, 132}, {141, 155},
                                    {172, 173}, {182, 182}, {191, 192}, {197, 198}, {201, 210}, {213, 255}};

bool IsUnchanged(int code) {
  for (const CodeRange& range : kUnchanged)
    if (code >= range.first && code <= range.last) return true;
  return false;
}

TEST(MirrorCodeTest, TwinsAtTheEdgesOfEveryRun) {
  const std::pair<int, int> twins[] = {{16, 17},   {54, 55},   {58, 59},   {60, 61},   {81, 82},   {97, 98},
                                       {102, 103}, {108, 109}, {133, 134}, {139, 140}, {156, 157}, {158, 159},
                                       {170, 171}, {174, 175}, {180, 181}, {183, 184}, {189, 190}, {193, 194},
                                       {195, 196}, {199, 200}, {211, 212}};
  for (const auto& [left, right] : twins) {
    EXPECT_EQ(MirrorCode(std::uint8_t(left)), right) << left;
    EXPECT_EQ(MirrorCode(std::uint8_t(right)), left) << right;
  }
}

TEST(MirrorCodeTest, EveryCodeIsUnchangedOrSwappedWithANeighbour) {
  for (int code = 0; code <= 255; ++code) {
    const int mirrored = MirrorCode(std::uint8_t(code));
    if (IsUnchanged(code)) {
      EXPECT_EQ(mirrored, code);
    } else {
      EXPECT_EQ(std::abs(mirrored - code), 1) << code;
      EXPECT_FALSE(IsUnchanged(mirrored)) << code;
    }
    EXPECT_EQ(MirrorCode(std::uint8_t(mirrored)), code) << code;
  }
}

}  // namespace
