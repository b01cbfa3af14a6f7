// td4: the command-line front end of the track decoder, for scripts and batch work.
#include <CLI/CLI.hpp>

#include <string>

#include "cli/Commands.h"
#include "framework/AppInfo.h"

int main(int argc, char** argv) {
  CLI::App app{
      std::string(kAppTitle) + ": list, check, draw, export, mirror, reverse and re-save track design files (*.td4)",
      "td4"};
  app.set_version_flag("--version", std::string("td4 (") + kAppTitle + ") " + kAppVersion);
  app.require_subcommand(1);
  CommandLine line;
  AddCommands(app, line);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error) == 0 ? kExitSuccess : kExitUsage;
  }
  return line.run(line);
}
