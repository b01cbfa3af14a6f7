#pragma once

#include <optional>
#include <string>
#include <vector>

// The command line as the parser is to see it, in the parser's order (last
// argument first).
//
// "--" ends the options wherever it stands: every argument after it is a
// FILE or OUT, also one that begins with "-". (The parser on its own honours
// "--" only while a positional argument is still missing.) Such an argument
// is handed to the parser marked with a leading NUL, which no real argument
// can hold and which no option name begins with; Unmarked takes it off again.
// An argument after "--" that comes before the command's name is that name.
std::vector<std::string> ParserArguments(int argc, const char* const* argv);

// value without its mark, if it has one; also every mark within a message.
std::string Unmarked(std::string value);

// The first argument that stands where the command's name belongs but names
// no command of commands; nothing when the name is known or missing.
std::optional<std::string> UnknownCommand(const std::vector<std::string>& arguments,
                                          const std::vector<std::string>& commands);
