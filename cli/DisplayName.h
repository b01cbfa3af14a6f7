#pragma once

#include <string>
#include <string_view>

// A file name as it may be shown to a person or put in a tab-separated line:
// control characters (also the two-byte UTF-8 ones, U+0080..U+009F) become
// C escapes as `ls -b` writes them (\t, \n, \033, ...), and so does the
// backslash, so that no name is mistaken for another. Any other name is
// shown exactly as given.
std::string DisplayName(std::string_view name);

// A message text with every control character escaped as DisplayName does,
// but its line feeds kept; occurrences of name within it, which may hold line
// feeds of its own, are shown as DisplayName shows them.
std::string DisplayText(std::string_view text, std::string_view name);

// Listing text for a terminal: escaped as DisplayName does, but with its tabs
// and line feeds kept, so that a name's escape sequences never reach the
// terminal while the listing keeps its shape.
std::string DisplayListing(std::string_view text);
