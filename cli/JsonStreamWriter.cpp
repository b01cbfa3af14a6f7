#include "cli/JsonStreamWriter.h"

#include <algorithm>
#include <charconv>
#include <nlohmann/json.hpp>

#include "cli/ValidUtf8.h"

namespace {

// Printable ASCII but for the quote and the backslash stands in a JSON string
// as it is: most texts (paths, the names of the tables) are such, and need
// neither a check of their UTF-8 nor a copy to escape.
bool StandsAsItIs(std::string_view text) {
  return std::ranges::all_of(text, [](char c) { return c >= ' ' && c <= '~' && c != '"' && c != '\\'; });
}

// Any other text, quotes included; invalid UTF-8 becomes U+FFFD.
std::string Escaped(std::string_view text) {
  return nlohmann::json(ValidUtf8(text)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

JsonStreamWriter& JsonStreamWriter::Key(std::string_view name) {
  Separate();
  m_buffer += '"';
  m_buffer += name;
  m_buffer += m_out ? "\": " : "\":";
  m_bAfterKey = true;
  return *this;
}

void JsonStreamWriter::Number(std::int64_t value) {
  char digits[24];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  Literal({digits, std::size_t(end - digits)});
}

void JsonStreamWriter::String(std::string_view text) {
  if (!StandsAsItIs(text)) return Literal(Escaped(text));
  Separate();
  m_buffer += '"';
  m_buffer += text;
  m_buffer += '"';
  FlushWhenFull();
}

std::string JsonStreamWriter::Serialise(std::string_view text) {
  if (StandsAsItIs(text)) return '"' + std::string(text) + '"';
  return Escaped(text);
}

void JsonStreamWriter::Literal(std::string_view json) {
  Separate();
  m_buffer += json;
  FlushWhenFull();
}

void JsonStreamWriter::FlushWhenFull() {
  if (m_out && m_buffer.size() >= kFlushSize) Flush();
}

void JsonStreamWriter::Begin(char bracket) {
  Separate();
  m_buffer += bracket;
  m_counts.push_back(0);
}

void JsonStreamWriter::End(char bracket) {
  const int count = m_counts.back();
  m_counts.pop_back();
  if (count > 0 && m_out) {
    m_buffer += '\n';
    Indent(m_counts.size());
  }
  m_buffer += bracket;
  if (m_counts.empty()) m_buffer += '\n';
}

void JsonStreamWriter::Separate() {
  if (std::exchange(m_bAfterKey, false) || m_counts.empty()) return;
  const bool first = m_counts.back()++ == 0;
  if (!m_out) {
    if (!first) m_buffer += ',';
    return;
  }
  m_buffer += first ? "\n" : ",\n";
  Indent(m_counts.size());
}

void JsonStreamWriter::Indent(std::size_t depth) {
  static constexpr std::string_view kSpaces = "                                ";
  for (std::size_t count = 2 * depth; count > 0;) {
    const std::size_t part = std::min(count, kSpaces.size());
    m_buffer.append(kSpaces.substr(0, part));
    count -= part;
  }
}

void JsonStreamWriter::Flush() {
  if (!m_out) return;
  if (!m_bFailed && std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out) != m_buffer.size()) m_bFailed = true;
  m_buffer.clear();
}
