#pragma once

#include <functional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

// Exit statuses of td4.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // a file was refused, or reading or writing failed
inline constexpr int kExitUsage = 2;    // the command line itself was wrong
// check: every file loaded, but some line leaves the buildable range; catalog:
// some design is refused or fits at no starting elevation
inline constexpr int kExitOutOfRange = 3;

// What the user asked for. The chosen subcommand sets run, which carries it out
// once the whole line is parsed and returns the exit status.
struct CommandLine {
  std::vector<std::string> files;  // commands that take several designs
  std::string file;                // commands that take one
  std::string output;
  std::string startElevation = "1";
  bool screen = false;
  bool json = false;
  bool csv = false;
  bool recursive = false;
  bool sameTrack = false;  // catalog: only the designs that share an earlier one's track
  unsigned jobs = 0;  // threads; 0: one per core
  bool yes = false;
  int width = 1000;  // of a picture
  int height = 300;
  int size = 128;  // of a thumbnail's longer side
  std::function<int(const CommandLine&)> run;
};

// Adds every subcommand, with its options, to app.
void AddCommands(CLI::App& app, CommandLine& line);
