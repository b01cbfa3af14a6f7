#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Writes one JSON document as it is made, with no tree of values behind it,
// either to a stream, so that memory does not grow with the document, or on
// one line in memory. On a stream the layout is nlohmann::json's dump(2): two
// spaces per level, "key": value, "[]" and "{}" when empty. On a line it is
// dump()'s, without a space, and the line ends in a line feed, as JSON Lines
// has it. Strings are serialised by nlohmann::json; names of members are
// written as given, so they must be plain ASCII without quotes.
class JsonStreamWriter {
public:
  explicit JsonStreamWriter(std::FILE* out) : m_out(out) { m_buffer.reserve(kFlushSize + 4096); }
  // A document on one line, for Line().
  JsonStreamWriter() : m_out(nullptr) {}
  // Writes out to the stream what is still buffered.
  ~JsonStreamWriter() { Flush(); }
  JsonStreamWriter(const JsonStreamWriter&) = delete;
  JsonStreamWriter& operator=(const JsonStreamWriter&) = delete;

  JsonStreamWriter& Key(std::string_view name);
  void BeginObject() { Begin('{'); }
  void EndObject() { End('}'); }
  // Goes on with an object begun by another writer after some members: its
  // further members, its end.
  void ContinueObject() { m_counts.push_back(1); }
  void BeginArray() { Begin('['); }
  void EndArray() { End(']'); }
  void String(std::string_view text);
  void Number(std::int64_t value);
  void Bool(bool value) { Literal(value ? "true" : "false"); }
  void Null() { Literal("null"); }
  // A value serialised before (Serialise), for one written many times over.
  void Serialised(std::string_view json) { Literal(json); }

  // text as a JSON string, quotes included; invalid UTF-8 becomes U+FFFD.
  static std::string Serialise(std::string_view text);

  // True once the stream has refused bytes: the rest can be skipped.
  bool Failed() const { return m_bFailed; }

  // The line made in memory, once the document is complete.
  std::string Line() && { return std::move(m_buffer); }

private:
  void Literal(std::string_view json);
  void Begin(char bracket);
  void End(char bracket);
  // Before a value or a member's name: a comma after the one before, a new
  // line and the indentation. Nothing for a value that follows its name.
  void Separate();
  void Indent(std::size_t depth);
  void Flush();
  // On a stream, writes out the buffer once it holds enough.
  void FlushWhenFull();

  static constexpr std::size_t kFlushSize = 64 * 1024;

  std::FILE* m_out;  // none for a line in memory
  std::string m_buffer;
  std::vector<int> m_counts;  // values so far in each open object or array
  bool m_bAfterKey = false;
  bool m_bFailed = false;
};
