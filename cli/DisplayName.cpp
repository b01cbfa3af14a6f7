#include "cli/DisplayName.h"

namespace {

// Appends byte as ls -b writes it: a C escape or three octal digits.
void AppendEscaped(std::string& out, unsigned char byte) {
  static constexpr char kLetters[] = "abtnvfr";  // \a (7) to \r (13)
  out += '\\';
  if (byte >= '\a' && byte <= '\r') {
    out += kLetters[byte - '\a'];
  } else if (byte == '\\') {
    out += '\\';
  } else {
    out += char('0' + (byte >> 6));
    out += char('0' + ((byte >> 3) & 7));
    out += char('0' + (byte & 7));
  }
}

// Appends text with its control characters escaped, except those in kept.
void AppendShown(std::string& out, std::string_view text, std::string_view kept) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const bool c1Control = byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                           static_cast<unsigned char>(text[i + 1]) <= 0x9F;
    if (c1Control) {
      AppendEscaped(out, byte);
      AppendEscaped(out, static_cast<unsigned char>(text[++i]));
    } else if ((byte < 0x20 && kept.find(char(byte)) == kept.npos) || byte == 0x7F || byte == '\\') {
      AppendEscaped(out, byte);
    } else {
      out += char(byte);
    }
  }
}

}  // namespace

std::string DisplayName(std::string_view name) {
  std::string shown;
  AppendShown(shown, name, "");
  return shown;
}

std::string DisplayText(std::string_view text, std::string_view name) {
  std::string shown;
  std::size_t done = 0;
  for (std::size_t found = name.empty() ? text.npos : text.find(name); found != text.npos;
       found = text.find(name, done)) {
    AppendShown(shown, text.substr(done, found - done), "\n");
    AppendShown(shown, name, "");
    done = found + name.size();
  }
  AppendShown(shown, text.substr(done), "\n");
  return shown;
}

std::string DisplayListing(std::string_view text) {
  std::string shown;
  AppendShown(shown, text, "\t\n");
  return shown;
}
