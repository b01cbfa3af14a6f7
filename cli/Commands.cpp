#include "cli/Commands.h"

#include <unistd.h>

#include <CLI/CLI.hpp>

#include <charconv>
#include <cstdio>
#include <optional>
#include <utility>

#include "cli/Arguments.h"
#include "cli/CatalogCommand.h"
#include "cli/ConsoleListing.h"
#include "cli/DesignJson.h"
#include "cli/DesignSession.h"
#include "cli/DisplayName.h"
#include "cli/ProfilePicture.h"
#include "cli/StderrMessageBox.h"
#include "framework/Exceptions.h"
#include "framework/IntField.h"
#include "framework/OutputGuard.h"
#include "listing/ElevationFit.h"
#include "listing/ListTrack.h"
#include "listing/ListingHeader.h"
#include "listing/SegmentPass.h"
#include "trackfile/TrackCommands.h"

namespace {

// Reads the start elevation as the elevation dialog does, with its messages.
std::optional<int> ParseStartElevation(const std::string& text) {
  const IntFieldEntry entry = ReadIntField(text, kLowestBuildableElevation, kHighestBuildableElevation);
  if (!entry.value) PrintMessage("", entry.refusal);
  return entry.value;
}

int ExitStatus(const DesignSession& session) { return session.Failed() ? kExitFailure : kExitSuccess; }

// What is printed must not go into one of the designs it reads (td4 list d.td4 >> d.td4).
bool StandardOutputIsNoInput(const std::vector<std::string>& inputs) {
  try {
    COutputGuard(inputs, OutputKind::Listing).Check(STDOUT_FILENO, "", false, "standard output");
    return true;
  } catch (const COutputIsInputException& refusal) {
    PrintMessage("", FailureReportText(refusal));
    return false;
  }
}

// With several designs on screen, each is headed by its name, as head(1) does it.
void PrintScreenHeading(const std::string& path, bool first) {
  std::printf("%s==> %s <==\n", first ? "" : "\n", DisplayName(path).c_str());
}

int RunList(const CommandLine& line) {
  const std::optional<int> startElevation = ParseStartElevation(line.startElevation);
  if (!startElevation) return kExitUsage;
  if (!StandardOutputIsNoInput(line.files)) return kExitFailure;
  DesignSession session(line.yes);
  ConsoleListingFile file;
  const bool headings = line.screen && line.files.size() > 1;
  bool first = true;
  for (const std::string& path : line.files) {
    if (!session.Load(path)) continue;
    if (line.json) {
      WriteDesignJson(session.Document(), *startElevation, stdout);
    } else if (line.screen) {
      if (headings) PrintScreenHeading(path, first);
      ConsoleListingScreen screen;
      ListTrackToScreen(session.Document(), *startElevation, screen);
      screen.Print();
    } else {
      ListTrackToFile(session.Document(), *startElevation, file);
    }
    first = false;
  }
  const bool flushed = FlushStandardOutput();
  return session.Failed() || !flushed ? kExitFailure : kExitSuccess;
}

// How many listing lines leave the buildable range, each way, and the
// starting elevations at which none would. One line at a time, so that a long
// track costs no memory of its own.
struct RangeCheck {
  int tooHigh = 0;
  int tooLow = 0;
  std::optional<StartElevationRange> fit;
};

RangeCheck CheckRange(CDecoderDoc& doc, std::int32_t startElevation) {
  RangeCheck check;
  ElevationExtent extent(startElevation);
  if (!IsMaze(doc)) {
    SegmentPass pass(doc, startElevation);
    ListingLine line;
    while (pass.Next(line)) {
      check.tooHigh += line.check == ElevationCheck::TooHigh;
      check.tooLow += line.check == ElevationCheck::TooLow;
      extent.Add(line);
    }
  }
  check.fit = extent.FittingStarts();
  return check;
}

// One line per file: its name, edition, segment count, the lines out of range
// and where it would fit.
int RunCheck(const CommandLine& line) {
  const std::optional<int> startElevation = ParseStartElevation(line.startElevation);
  if (!startElevation) return kExitUsage;
  if (!StandardOutputIsNoInput(line.files)) return kExitFailure;
  DesignSession session(line.yes);
  bool outOfRange = false;
  for (const std::string& path : line.files) {
    const std::string name = DisplayName(path);
    if (!session.Load(path)) {
      std::printf("%s\tnot loaded\n", name.c_str());
      continue;
    }
    const RangeCheck check = CheckRange(session.Document(), *startElevation);
    const int segments = session.Document().m_nSegments;
    std::printf("%s\t%s\t%d segment%s\t%d too high\t%d too low\t%s\n", name.c_str(),
                std::string(EditionLabel(session.Document())).c_str(), segments, segments == 1 ? "" : "s",
                check.tooHigh, check.tooLow, DescribeFit(check.fit).c_str());
    outOfRange |= check.tooHigh > 0 || check.tooLow > 0;
  }
  const bool flushed = FlushStandardOutput();
  if (session.Failed() || !flushed) return kExitFailure;
  return outOfRange ? kExitOutOfRange : kExitSuccess;
}

// A picture is drawn from the design's own file, which it must never replace.
COutputGuard PictureGuard(DesignSession& session) {
  return COutputGuard({session.Document().GetPathName()}, OutputKind::Picture);
}

int RunProfile(const CommandLine& line) {
  const std::optional<int> startElevation = ParseStartElevation(line.startElevation);
  if (!startElevation) return kExitUsage;
  DesignSession session(line.yes);
  if (session.Load(line.file))
    session.WriteTo(line.output, [&] {
      return WriteProfilePicture(session.Document(), *startElevation, line.output, PictureGuard(session),
                                 *PictureFormatOf(line.output), line.width, line.height);
    });
  return ExitStatus(session);
}

// A file manager's thumbnail: no file at all for a design that does not load,
// so that the file manager shows its own icon instead.
int RunThumbnail(const CommandLine& line) {
  DesignSession session(line.yes);
  if (session.Load(line.file))
    session.WriteTo(line.output, [&] {
      return WriteThumbnail(session.Document(), kLowestBuildableElevation, line.output, PictureGuard(session),
                            line.size);
    });
  return ExitStatus(session);
}

int RunExport(const CommandLine& line) {
  const std::optional<int> startElevation = ParseStartElevation(line.startElevation);
  if (!startElevation) return kExitUsage;
  DesignSession session(line.yes);
  if (session.Load(line.file)) session.Export(*startElevation, line.output);
  return ExitStatus(session);
}

// Opens the design, lets change work on it and, unless it declined or refused,
// writes the design to the output through the store path.
int SaveChanged(const CommandLine& line, TrackCommand change, const std::string& declinedHint) {
  DesignSession session(line.yes);
  if (session.Load(line.file) && session.Change(change, declinedHint)) session.Save(line.output);
  return ExitStatus(session);
}

Outcome KeepAsItIs(CDecoderDoc&, const AskQuestion&) { return {}; }

int RunSave(const CommandLine& line) { return SaveChanged(line, KeepAsItIs, ""); }
int RunMirror(const CommandLine& line) { return SaveChanged(line, RunMirrorTrackCommand, ""); }
int RunReverse(const CommandLine& line) { return SaveChanged(line, RunReverseTrackCommand, "--yes reverses it anyway"); }

void AddYesFlag(CLI::App& command, CommandLine& line) {
  command.add_flag("-y,--yes", line.yes, "Answer Yes to every question (such as a wrong checksum)");
}

void AddStartElevationOption(CLI::App& command, CommandLine& line) {
  command.add_option("-e,--start-elevation", line.startElevation, "Elevation at which the first segment starts, 1..61")
      ->capture_default_str()
      ->type_name("N");
}

enum class DesignCount { One, Several };

// A file's name, which must not be empty: it would name no file at all.
const CLI::Validator kFileName(
    [](const std::string& text) { return text.empty() ? std::string("the name is empty") : std::string(); }, "");

// A FILE or OUT argument, which may have come after "--" (see ParserArguments).
template <class Value>
CLI::Option* AddOperand(CLI::App& command, const char* name, Value& value, const char* description) {
  const CLI::Validator unmark([](std::string& text) {
    text = Unmarked(std::move(text));
    return std::string();
  }, "");
  return command.add_option(name, value, description)->required()->transform(unmark)->check(kFileName);
}

// A whole number from lowest to highest; anything else is named in the program's own words.
template <class Number>
CLI::Validator WholeNumber(Number lowest, Number highest) {
  return CLI::Validator(
      [lowest, highest](const std::string& text) {
        Number value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (!text.empty() && error == std::errc() && end == text.data() + text.size() && value >= lowest &&
            value <= highest)
          return std::string();
        return text + " is not a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest);
      },
      std::to_string(lowest) + ".." + std::to_string(highest));
}

// What every command that lists designs takes: the start elevation, --yes, and the designs to read.
void AddListingInputs(CLI::App& command, CommandLine& line, DesignCount count) {
  AddStartElevationOption(command, line);
  AddYesFlag(command, line);
  if (count == DesignCount::One)
    AddOperand(command, "FILE", line.file, "Track design file (*.td4); - reads standard input");
  else
    AddOperand(command, "FILE", line.files, "Track design files (*.td4); - reads standard input");
}

// Selects what runs after parsing when this subcommand is the one given.
void RunsAs(CLI::App& command, CommandLine& line, int (*run)(const CommandLine&)) {
  command.callback([&line, run] { line.run = run; });
}

void AddListCommand(CLI::App& app, CommandLine& line) {
  CLI::App& command = *app.add_subcommand("list", "Print the segment listing of each design, as an export writes it");
  CLI::Option* screen = command.add_flag("-s,--screen", line.screen, "Print the listing as the window shows it");
  command.add_flag("-j,--json", line.json, "Print each design as a JSON document (described in the README)")
      ->excludes(screen);
  AddListingInputs(command, line, DesignCount::Several);
  RunsAs(command, line, RunList);
}

void AddCheckCommand(CLI::App& app, CommandLine& line) {
  CLI::App& command = *app.add_subcommand(
      "check", "Print each design's edition, segment count and lines out of range; exit 3 when there are any");
  AddListingInputs(command, line, DesignCount::Several);
  RunsAs(command, line, RunCheck);
}

void AddProfileCommand(CLI::App& app, CommandLine& line) {
  CLI::App& command = *app.add_subcommand("profile", "Draw the elevation profile of a design as an SVG or PNG picture");
  AddListingInputs(command, line, DesignCount::One);
  const CLI::Validator pictureName(
      [](const std::string& path) {
        return PictureFormatOf(path) ? "" : "the picture's name must end in .svg or .png";
      },
      "OUT.svg|OUT.png");
  command.add_option("-o,--output", line.output, "Picture file to write")->required()->check(kFileName)->check(pictureName);
  command.add_option("--width", line.width, "Width of the picture in pixels")
      ->capture_default_str()
      ->check(WholeNumber(400, 8000));
  command.add_option("--height", line.height, "Height of the picture in pixels")
      ->capture_default_str()
      ->check(WholeNumber(150, 4000));
  RunsAs(command, line, RunProfile);
}

void AddThumbnailCommand(CLI::App& app, CommandLine& line) {
  CLI::App& command =
      *app.add_subcommand("thumbnail", "Draw a design's elevation profile as a small PNG picture, for file managers");
  command.add_option("-s,--size", line.size, "Width of the picture in pixels; it is three quarters as high")
      ->capture_default_str()
      ->check(WholeNumber(16, 4096));
  AddYesFlag(command, line);
  AddOperand(command, "FILE", line.file, "Track design file (*.td4)");
  AddOperand(command, "OUT", line.output, "PNG file to write");
  RunsAs(command, line, RunThumbnail);
}

void AddExportCommand(CLI::App& app, CommandLine& line) {
  CLI::App& command = *app.add_subcommand("export", "Write the segment listing of a design to a text file");
  AddListingInputs(command, line, DesignCount::One);
  AddOperand(command, "OUT", line.output, "Text file to write; - writes standard output");
  RunsAs(command, line, RunExport);
}

void AddCatalogCommand(CLI::App& app, CommandLine& line) {
  CLI::App& command = *app.add_subcommand(
      "catalog", "Print one row per design of the files and folders given; exit 3 when some are refused or fit nowhere");
  command.add_flag("-r,--recursive", line.recursive, "Look for designs in sub-folders too");
  // A thread per design of a large folder would exhaust the system; the bound is beyond any machine's cores.
  command.add_option("--jobs", line.jobs, "Summarise designs on N threads; one per core by default")
      ->type_name("N")
      ->check(WholeNumber(1u, 1024u));
  CLI::Option* json = command.add_flag("--json", line.json, "Print one JSON object per design (JSON Lines)");
  command.add_flag("--csv", line.csv, "Print CSV with a header row")->excludes(json);
  command.add_flag("--same-track", line.sameTrack,
                   "Print only the designs whose track an earlier one has, mirrored or reversed or not");
  AddOperand(command, "PATH", line.files, "Track design files (*.td4, in any case) and folders of them");
  RunsAs(command, line, RunCatalog);
}

// A command that writes the design, changed or as it was, to the file given with --output.
void AddDesignWritingCommand(CLI::App& app, CommandLine& line, const char* name, const char* description,
                             int (*run)(const CommandLine&)) {
  CLI::App& command = *app.add_subcommand(name, description);
  AddYesFlag(command, line);
  AddOperand(command, "FILE", line.file, "Track design file (*.td4); - reads standard input");
  command.add_option("-o,--output", line.output, "Design file to write; - writes standard output")
      ->required()
      ->check(kFileName);
  RunsAs(command, line, run);
}

}  // namespace

void AddCommands(CLI::App& app, CommandLine& line) {
  AddListCommand(app, line);
  AddCheckCommand(app, line);
  AddCatalogCommand(app, line);
  AddExportCommand(app, line);
  AddProfileCommand(app, line);
  AddThumbnailCommand(app, line);
  AddDesignWritingCommand(app, line, "save", "Load a design and save it again, packed with a fresh checksum", RunSave);
  AddDesignWritingCommand(app, line, "mirror", "Mirror a design (left and right pieces swap) and save it", RunMirror);
  AddDesignWritingCommand(app, line, "reverse", "Reverse a design's direction of travel and save it", RunReverse);
}
