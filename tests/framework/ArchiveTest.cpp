#include "framework/Archive.h"

#include <gtest/gtest.h>

#include "tests/support/Bytes.h"

namespace {

TEST(ArchiveTest, ReadsBytesAndLittleEndianValuesInOrder) {
  const Bytes file = {0x07, 0x78, 0x56, 0x34, 0x12, 0xAA, 0xBB};
  CArchive archive(file, file.size());
  std::uint8_t first = 0;
  std::uint32_t value = 0;
  archive >> first >> value;
  EXPECT_EQ(first, 0x07);
  EXPECT_EQ(value, 0x12345678u);
  const auto rest = archive.ReadBytes(2);
  EXPECT_EQ(Bytes(rest.begin(), rest.end()), (Bytes{0xAA, 0xBB}));
}

TEST(ArchiveTest, EveryReadPastTheEndRaisesEndOfFile) {
  const Bytes file = {0x01, 0x02, 0x03};
  const auto expectEndOfFile = [](auto read) {
    try {
      read();
      ADD_FAILURE() << "no end-of-file";
    } catch (const CArchiveException& failure) {
      EXPECT_EQ(failure.m_cause, CArchiveException::endOfFile);
    }
  };
  CArchive archive(file, file.size());
  expectEndOfFile([&] {
    std::uint32_t value;
    archive >> value;
  });
  expectEndOfFile([&] { archive.ReadBytes(4); });
  archive.ReadBytes(3);
  expectEndOfFile([&] {
    std::uint8_t byte;
    archive >> byte;
  });
}

TEST(ArchiveTest, LengthIsTheFilesEvenWhenOnlyAPrefixIsInMemory) {
  const Bytes prefix = {0x01, 0x02};
  CArchive archive(prefix, 1000);
  EXPECT_TRUE(archive.IsLoading());
  EXPECT_EQ(archive.GetLength(), 1000u);
}

TEST(ArchiveTest, StoresBytesAndLittleEndianValues) {
  Bytes out;
  CArchive archive(out);
  EXPECT_TRUE(archive.IsStoring());
  archive << std::uint8_t(0x09) << std::uint32_t(0xFFFE5984);
  archive.WriteBytes(Bytes{0x10, 0x20});
  EXPECT_EQ(out, (Bytes{0x09, 0x84, 0x59, 0xFE, 0xFF, 0x10, 0x20}));
}

// A large file reaches the writer in blocks while it is stored, every byte in
// order; a writer's failure surfaces at Flush, after the store has run to its end.
TEST(ArchiveTest, StoringIntoAWriterHandsOverBlocksAndHoldsItsFailureForFlush) {
  Bytes arrived;
  std::size_t calls = 0;
  Bytes stored;
  {
    CArchive archive([&](std::span<const std::uint8_t> block) {
      ++calls;
      arrived.insert(arrived.end(), block.begin(), block.end());
    });
    for (int i = 0; i < 300000; ++i) {
      archive << std::uint8_t(i * 7);
      stored.push_back(std::uint8_t(i * 7));
    }
    EXPECT_GT(calls, 1u);  // under way, not all at the end
    archive.Flush();
  }
  EXPECT_EQ(arrived, stored);

  CArchive failing([&](std::span<const std::uint8_t>) { throw CFileException(CFileException::diskFull, ENOSPC, "x"); });
  EXPECT_NO_THROW(failing.WriteBytes(Bytes(200000, 0x55)));
  EXPECT_THROW(failing.Flush(), CFileException);
}

}  // namespace
