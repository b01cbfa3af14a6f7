#pragma once

#include <cstdint>
#include <cstring>
#include <exception>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "framework/Exceptions.h"

// A byte stream over one file, either loading or storing, never both.
//
// Loading reads from bytes already in memory: the whole file, or a leading part
// of it when the document has said it never needs more (see
// CDocument::MaxLoadLength). GetLength() always reports the file's real length.
// Storing appends to a byte vector that the caller writes out afterwards, or
// hands the bytes to a writer in blocks as they come, so that a large file
// never sits in memory whole.
// Every operation is inline so that a codec can call it once per byte.
class CArchive {
public:
  using Writer = std::function<void(std::span<const std::uint8_t>)>;

  // fileName names the file in the failures a document raises for the file as a whole.
  CArchive(std::span<const std::uint8_t> bytes, std::uint64_t fileLength, std::string fileName = {})
      : m_pos(bytes.data()),
        m_end(bytes.data() + bytes.size()),
        m_fileLength(fileLength),
        m_pOut(nullptr),
        m_strFileName(std::move(fileName)) {}
  explicit CArchive(std::vector<std::uint8_t>& out) : m_fileLength(0), m_pOut(&out) {}
  // A failure that write throws is held until Flush, so that the document's
  // store path runs to its end and leaves the document whole.
  explicit CArchive(Writer write) : m_fileLength(0), m_pOut(&m_block), m_write(std::move(write)) {}

  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  bool IsLoading() const { return m_pOut == nullptr; }
  bool IsStoring() const { return m_pOut != nullptr; }

  // Total length of the file being loaded.
  std::uint64_t GetLength() const { return m_fileLength; }
  const std::string& GetFileName() const { return m_strFileName; }

  // Throws CArchiveException(endOfFile) when the file holds no further byte.
  CArchive& operator>>(std::uint8_t& value) {
    if (m_pos == m_end) ThrowEndOfFile();
    value = *m_pos++;
    return *this;
  }

  // Reads a 32-bit little-endian value; throws end-of-file when fewer than four bytes remain.
  CArchive& operator>>(std::uint32_t& value) {
    const std::uint8_t* bytes = Take(4);
    value = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
            std::uint32_t(bytes[3]) << 24;
    return *this;
  }

  // The next count bytes, consumed at once; throws end-of-file when fewer remain.
  std::span<const std::uint8_t> ReadBytes(std::size_t count) { return {Take(count), count}; }

  CArchive& operator<<(std::uint8_t value) {
    m_pOut->push_back(value);
    if (m_write && m_block.size() >= kBlockSize) HandOver();
    return *this;
  }

  // Writes a 32-bit little-endian value.
  CArchive& operator<<(std::uint32_t value) {
    const std::uint8_t bytes[4] = {std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16),
                                   std::uint8_t(value >> 24)};
    WriteBytes(bytes);
    return *this;
  }

  void WriteBytes(std::span<const std::uint8_t> bytes) {
    m_pOut->insert(m_pOut->end(), bytes.begin(), bytes.end());
    if (m_write && m_block.size() >= kBlockSize) HandOver();
  }

  // Lets a writer that knows its output size avoid repeated growth.
  void ReserveForWriting(std::size_t count) {
    if (!m_write) m_pOut->reserve(m_pOut->size() + count);
  }

  // Hands the rest to the writer; throws the first failure it had.
  void Flush() {
    if (m_write) HandOver();
    if (m_failure) std::rethrow_exception(std::exchange(m_failure, nullptr));
  }

private:
  const std::uint8_t* Take(std::size_t count) {
    if (std::size_t(m_end - m_pos) < count) ThrowEndOfFile();
    const std::uint8_t* bytes = m_pos;
    m_pos += count;
    return bytes;
  }

  [[noreturn]] static void ThrowEndOfFile() { throw CArchiveException(CArchiveException::endOfFile); }

  void HandOver() {
    if (!m_failure) {
      try {
        m_write(m_block);
      } catch (...) {
        m_failure = std::current_exception();
      }
    }
    m_block.clear();
  }

  static constexpr std::size_t kBlockSize = 64 * 1024;

  const std::uint8_t* m_pos = nullptr;
  const std::uint8_t* m_end = nullptr;
  std::uint64_t m_fileLength;
  std::vector<std::uint8_t>* m_pOut;
  std::vector<std::uint8_t> m_block;
  Writer m_write;
  std::exception_ptr m_failure;
  std::string m_strFileName;
};
