// td4: the command-line front end of the track decoder, for scripts and batch work.
#include <CLI/CLI.hpp>

#include <new>
#include <string>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/ConsoleListing.h"
#include "cli/StderrMessageBox.h"
#include "framework/AppInfo.h"
#include "framework/Exceptions.h"
#include "framework/InterruptCleanup.h"

namespace {

constexpr const char* kExitStatuses =
    "Exit status:\n"
    "  0  done; for check: every design loads and stays within 1..61; for catalog: every design loads and fits\n"
    "  1  a file was refused, or could not be read or written (nothing is written for it); for catalog:\n"
    "     standard output could not be written\n"
    "  2  the command line was wrong\n"
    "  3  check: every design loads, but some line leaves 1..61; catalog: some design is refused or fits\n"
    "     at no starting elevation";

void PrintUsageError(const std::string& text) { PrintMessage("", text + "\nRun with --help for more information."); }

std::vector<std::string> CommandNames(const CLI::App& app) {
  std::vector<std::string> names;
  for (const CLI::App* command : app.get_subcommands({})) names.push_back(command->get_name());
  return names;
}

// Help and version are printed by the parser; like any output they must arrive.
int ReportParseEnd(const CLI::App& app, const CLI::ParseError& end) {
  if (end.get_exit_code() != 0) {
    PrintUsageError(Unmarked(end.what()));
    return kExitUsage;
  }
  app.exit(end);
  return FlushStandardOutput() ? kExitSuccess : kExitFailure;
}

int Run(int argc, char** argv) {
  CLI::App app{
      std::string(kAppTitle) + ": list, check, draw, export, mirror, reverse and re-save track design files (*.td4)",
      "td4"};
  app.set_version_flag("--version", std::string("td4 (") + kAppTitle + ") " + kAppVersion);
  app.require_subcommand(1);
  app.footer(kExitStatuses);
  CommandLine line;
  AddCommands(app, line);

  std::vector<std::string> arguments = ParserArguments(argc, argv);
  if (const std::optional<std::string> unknown = UnknownCommand(arguments, CommandNames(app))) {
    PrintUsageError("Unknown command: " + Unmarked(*unknown));
    return kExitUsage;
  }
  try {
    app.parse(arguments);
  } catch (const CLI::ParseError& end) {
    return ReportParseEnd(app, end);
  }
  return line.run(line);
}

int ReportOutOfMemory() {
  PrintMessage("", "Out of memory.");
  return kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
  InstallInterruptCleanup();
  try {
    return Run(argc, argv);
  } catch (const std::bad_alloc&) {
    return ReportOutOfMemory();
  } catch (const CMemoryException&) {  // a step of the track key could not grow its segments
    return ReportOutOfMemory();
  }
}
