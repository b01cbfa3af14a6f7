#pragma once

#include <string>
#include <string_view>

// text as valid UTF-8: each byte that is not part of a well-formed sequence
// becomes U+FFFD. The one policy for names and messages wherever td4 writes
// them for scripts to read (CSV and JSON): a file's name need not be UTF-8,
// the documents must be.
std::string ValidUtf8(std::string_view text);
