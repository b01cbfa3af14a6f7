#include <gtest/gtest.h>

#include "examples/DesignBuilder.h"
#include "framework/Archive.h"
#include "tests/support/LoadedDocument.h"
#include "tests/support/RunPatterns.h"
#include "tests/support/ScriptedMessageBox.h"

namespace {

DesignDescription Circuit() {
  DesignDescription design;
  design.segments = {{2, 0x08}, {3}, {3}, {1, 0x08}, {6, 0x80}, {4, 0x80}, {4, 0x80}, {9}, {133}, {135}, {0}};
  return design;
}

Bytes Store(CDecoderDoc& doc) {
  Bytes file;
  CArchive archive(file);
  doc.Serialize(archive);
  return file;
}

class StoreTest : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(StoreTest, PackerWrittenFileComesBackByteForByte) {
  const Bytes file = BuildDesignFile(Circuit(), GetParam());
  DocumentFixture fixture;
  ASSERT_TRUE(fixture.Load(file));
  fixture.doc.SetModifiedFlag(true);
  EXPECT_EQ(Store(fixture.doc), file);
  EXPECT_FALSE(fixture.doc.IsModified());
}

INSTANTIATE_TEST_SUITE_P(BothOffsets, StoreTest, ::testing::Values(kNormalChecksumOffset, kAltChecksumOffset));

TEST(StoreTest, LargeDesignOfEveryRunLengthComesBackByteForByte) {
  // About 90 KiB: the buffer grows many times, and runs end at every offset.
  DesignDescription description = Circuit();
  description.afterTrack = StretchesOfEveryLength();
  const Bytes file = BuildDesignFile(description);
  DocumentFixture fixture;
  ASSERT_TRUE(fixture.Load(file));
  EXPECT_EQ(fixture.Design(), BuildDesign(description));
  EXPECT_EQ(Store(fixture.doc), file);
}

TEST(StoreTest, AcceptedWrongChecksumIsWrittenWithTheNormalOffset) {
  Bytes file = BuildDesignFile(Circuit(), kAltChecksumOffset);
  file.back() ^= 0x01;
  DocumentFixture fixture;
  ScriptedMessageBox boxes{IDYES};
  ASSERT_TRUE(fixture.Load(file));
  EXPECT_EQ(Store(fixture.doc), BuildDesignFile(Circuit(), kNormalChecksumOffset));
  EXPECT_EQ(fixture.doc.m_bBadChecksum, 1);  // the edition stays unknown until reopened
}

}  // namespace
