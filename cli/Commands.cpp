#include "cli/Commands.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <cstdio>
#include <optional>

#include "cli/ConsoleListing.h"
#include "cli/DesignSession.h"
#include "listing/ExportFile.h"
#include "listing/ListTrack.h"
#include "trackfile/TrackCommands.h"

namespace {

constexpr int kLowestStartElevation = 1;
constexpr int kHighestStartElevation = 61;

// Reads the start elevation as the elevation dialog's data exchange does, with its messages.
std::optional<int> ParseStartElevation(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    std::fprintf(stderr, "Please enter an integer.\n");
    return std::nullopt;
  }
  if (value < kLowestStartElevation || value > kHighestStartElevation) {
    std::fprintf(stderr, "Please enter an integer between %d and %d.\n", kLowestStartElevation,
                 kHighestStartElevation);
    return std::nullopt;
  }
  return value;
}

int ExitStatus(const DesignSession& session) { return session.Failed() ? kExitFailure : kExitSuccess; }

int RunList(const CommandLine& line) {
  const std::optional<int> startElevation = ParseStartElevation(line.startElevation);
  if (!startElevation) return kExitUsage;
  DesignSession session(line.yes);
  ConsoleListingFile file;
  for (const std::string& path : line.files) {
    if (!session.Open(path)) continue;
    if (line.screen) {
      ConsoleListingScreen screen;
      ListTrackToScreen(session.Document(), *startElevation, screen);
      screen.Print();
    } else {
      ListTrackToFile(session.Document(), *startElevation, file);
    }
  }
  FlushStandardOutput();
  return ExitStatus(session);
}

int RunExport(const CommandLine& line) {
  const std::optional<int> startElevation = ParseStartElevation(line.startElevation);
  if (!startElevation) return kExitUsage;
  DesignSession session(line.yes);
  if (session.Open(line.file)) ExportListing(session.Document(), *startElevation, line.output);
  return ExitStatus(session);
}

// Opens the design, lets change work on it and, unless it declined or refused,
// writes the design to the output through the store path.
int SaveChanged(const CommandLine& line, bool (*change)(CDecoderDoc&)) {
  DesignSession session(line.yes);
  if (session.Open(line.file) && change(session.Document())) session.Template().DoSave(line.output);
  return ExitStatus(session);
}

bool KeepAsItIs(CDecoderDoc&) { return true; }

int RunSave(const CommandLine& line) { return SaveChanged(line, KeepAsItIs); }
int RunMirror(const CommandLine& line) { return SaveChanged(line, RunMirrorTrackCommand); }
int RunReverse(const CommandLine& line) { return SaveChanged(line, RunReverseTrackCommand); }

void AddYesFlag(CLI::App& command, CommandLine& line) {
  command.add_flag("-y,--yes", line.yes, "Answer Yes to every question (such as a wrong checksum)");
}

void AddStartElevationOption(CLI::App& command, CommandLine& line) {
  command.add_option("-e,--start-elevation", line.startElevation, "Elevation at which the first segment starts, 1..61")
      ->capture_default_str()
      ->type_name("N");
}

// Selects what runs after parsing when this subcommand is the one given.
void RunsAs(CLI::App& command, CommandLine& line, int (*run)(const CommandLine&)) {
  command.callback([&line, run] { line.run = run; });
}

void AddListCommand(CLI::App& app, CommandLine& line) {
  CLI::App& command = *app.add_subcommand("list", "Print the segment listing of each design, as an export writes it");
  command.add_flag("-s,--screen", line.screen, "Print the listing as the window shows it");
  AddStartElevationOption(command, line);
  AddYesFlag(command, line);
  command.add_option("FILE", line.files, "Track design files (*.td4)")->required();
  RunsAs(command, line, RunList);
}

void AddExportCommand(CLI::App& app, CommandLine& line) {
  CLI::App& command = *app.add_subcommand("export", "Write the segment listing of a design to a text file");
  AddStartElevationOption(command, line);
  AddYesFlag(command, line);
  command.add_option("FILE", line.file, "Track design file (*.td4)")->required();
  command.add_option("OUT", line.output, "Text file to write")->required();
  RunsAs(command, line, RunExport);
}

// A command that writes the design, changed or as it was, to the file given with --output.
void AddDesignWritingCommand(CLI::App& app, CommandLine& line, const char* name, const char* description,
                             int (*run)(const CommandLine&)) {
  CLI::App& command = *app.add_subcommand(name, description);
  AddYesFlag(command, line);
  command.add_option("FILE", line.file, "Track design file (*.td4)")->required();
  command.add_option("-o,--output", line.output, "Design file to write")->required();
  RunsAs(command, line, run);
}

}  // namespace

void AddCommands(CLI::App& app, CommandLine& line) {
  AddListCommand(app, line);
  AddExportCommand(app, line);
  AddDesignWritingCommand(app, line, "save", "Load a design and save it again, packed with a fresh checksum", RunSave);
  AddDesignWritingCommand(app, line, "mirror", "Mirror a design (left and right pieces swap) and save it", RunMirror);
  AddDesignWritingCommand(app, line, "reverse", "Reverse a design's direction of travel and save it", RunReverse);
}
