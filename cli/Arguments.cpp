#include "cli/Arguments.h"

#include <algorithm>

namespace {
constexpr char kMark = '\0';
}

std::vector<std::string> ParserArguments(int argc, const char* const* argv) {
  std::vector<std::string> arguments;
  bool operandsOnly = false;
  bool commandSeen = false;
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    if (!operandsOnly && argument == "--") {
      operandsOnly = true;
      continue;
    }
    const bool isCommand = !commandSeen && (operandsOnly || argument.empty() || argument[0] != '-');
    commandSeen = commandSeen || isCommand;
    arguments.push_back(operandsOnly && !isCommand ? kMark + argument : argument);
  }
  std::reverse(arguments.begin(), arguments.end());
  return arguments;
}

std::string Unmarked(std::string value) {
  value.erase(std::remove(value.begin(), value.end(), kMark), value.end());
  return value;
}

std::optional<std::string> UnknownCommand(const std::vector<std::string>& arguments,
                                          const std::vector<std::string>& commands) {
  // In the parser's order: the command's name, if any, is the last argument
  // that is not an option of the program itself.
  for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument) {
    if (!argument->empty() && (*argument)[0] == '-') continue;
    if (std::find(commands.begin(), commands.end(), *argument) != commands.end()) return std::nullopt;
    return *argument;
  }
  return std::nullopt;
}
