// td4 used as a hostile user would: odd targets, links, pipes, limits, odd
// names and a broken command line. Each case checks the exit status, every
// byte of standard error, and every file of its folder afterwards: the
// targets' bytes, and that nothing was left behind.
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <thread>

#include "tests/cli/Td4Runner.h"
#include "tests/listing/ListingFixtures.h"
#include "tests/support/Bytes.h"

namespace {

namespace fs = std::filesystem;

const Bytes kDesign = BuildDesignFile(SevenLineExample());
const Bytes kOldListing = {'o', 'l', 'd', '\r', '\n'};

Bytes WithWrongTrailer(Bytes file) {
  file.back() ^= 0x5A;
  return file;
}

std::uint32_t Trailer(const Bytes& file) {
  const std::size_t at = file.size() - 4;
  return std::uint32_t(file[at]) | std::uint32_t(file[at + 1]) << 8 | std::uint32_t(file[at + 2]) << 16 |
         std::uint32_t(file[at + 3]) << 24;
}

// Level and Up in turn never share a listing line: a long listing and a long file.
DesignDescription AlternatingDesign(int segments) {
  DesignDescription design;
  for (int i = 0; i < segments; ++i) design.segments.push_back({std::uint8_t(i % 2 ? 4 : 0)});
  return design;
}

const Bytes& LongDesign() {  // about 40 KB, more than a 16 KB size limit takes
  static const Bytes file = BuildDesignFile(AlternatingDesign(20000));
  return file;
}

// As many Level segments as a design buffer holds: a 260 KB file that needs
// over 100 MB once loaded.
const Bytes& LargestDesign() {
  static const Bytes file = [] {
    DesignDescription design;
    design.segments.resize((CDecoderDoc::kMaxDesignLength - 56 - 2 - design.afterTrack.size()) / 2, {0});
    return BuildDesignFile(design);
  }();
  return file;
}

std::string Text(const Bytes& bytes) { return {bytes.begin(), bytes.end()}; }

// The seven-line example's listing as td4 list prints it for a file of that name.
std::string Listing(const std::string& name) {
  std::string text = kSevenLineFileText;
  return text.replace(text.find("track.td4"), 9, name);
}

std::string Screen() {
  std::string text =
      "Ride Type:\tSteel Twister Roller Coaster\nVehicle Type:\tTwister cars (1 6-car train)\n"
      "Operating Mode:\tContinuous Circuit Mode\nFile Format:\tOriginal Tivora\nTrack segments (10 total):\n";
  for (const std::string& line : kSevenLineScreenLines) text += line + "\n";
  return text;
}

std::string CheckLine(const std::string& name) {
  return name + "\tOriginal Tivora\t10 segments\t0 too high\t0 too low\tfits with starting elevations 1..57\n";
}

// The files every case starts with, beside what the case adds.
std::map<std::string, Bytes> CommonFiles() {
  return {
      {"track.td4", kDesign},
      {"-dash.td4", kDesign},
      {"tab\tname.td4", kDesign},
      {"bad.td4", WithWrongTrailer(kDesign)},
      {"short.td4", {0x00, 0x41, 0x00}},                  // ends inside a run
      {"notrack.td4", PackDesignFile(Bytes(60, 0x00))},  // no end marker: no track list
      {"long.td4", LongDesign()},
      {"list.txt", kOldListing},
      {"ro.td4", kDesign},
      {"ro.txt", kOldListing},
  };
}

// A folder of its own for a case: the common files, a hard and a symbolic
// link to track.td4, the two read-only files, and what the case adds.
struct CaseFolder {
  explicit CaseFolder(const std::map<std::string, Bytes>& extra) : files(CommonFiles()) {
    files.insert(extra.begin(), extra.end());
    for (const auto& [name, bytes] : files) folder.Write(name, bytes);
    ::link(folder.Path("track.td4").c_str(), folder.Path("hard.td4").c_str());
    fs::create_symlink("track.td4", folder.Path("soft.td4"));
    files["hard.td4"] = files["soft.td4"] = kDesign;
    ::chmod(folder.Path("ro.td4").c_str(), 0444);
    ::chmod(folder.Path("ro.txt").c_str(), 0444);
    ::chmod(folder.Path("").c_str(), 0777);  // for the cases run as an ordinary user
  }

  TempFolder folder;
  std::map<std::string, Bytes> files;  // what each entry is to hold
};

struct HostileCase {
  const char* name;
  std::vector<std::string> args;  // run inside the case's folder
  int status;
  std::string err;
  // Rows leave out what they do not need: each has its default.
  std::optional<std::string> out = {};        // nothing: not checked
  std::map<std::string, Bytes> changed = {};  // entries that must differ from the start, or be new
  Td4Options options = {};
  std::map<std::string, Bytes> extra = {};  // files added for this case only
  std::optional<Bytes> fifo = {};           // a named pipe "p", whose writer comes late with these bytes
};

Td4Options Input(const Bytes& bytes) {
  Td4Options options;
  options.input = Text(bytes);
  return options;
}

Td4Options ToPipe(std::optional<Bytes> input = std::nullopt) {
  Td4Options options;
  options.outputToPipe = true;
  if (input) options.input = Text(*input);
  return options;
}

Td4Options OnATerminal() {
  Td4Options options;
  options.outputToTerminal = true;
  return options;
}

Td4Options FileSizeLimit(rlim_t bytes) {
  Td4Options options;
  options.fileSizeLimit = bytes;
  return options;
}

Td4Options OrdinaryUser() {
  Td4Options options;
  options.ordinaryUser = true;
  return options;
}

const std::string kUsage = "\nRun with --help for more information.\n";
const std::string kLongName = std::string(246, 'n') + ".td4";  // 250 bytes: more than a temporary name may add

// The checksum question for bad.td4, and the hint that no --yes answers it No.
std::string ChecksumRefusal() {
  char text[160];
  std::snprintf(text, sizeof text,
                "td4: bad.td4: Checksum calculation failed.\nExpected = 0X%08x\nActual = 0X%08x\n\nContinue anyway?\n",
                Trailer(WithWrongTrailer(kDesign)), Trailer(kDesign) + 108156u - 120001u);
  return std::string(text) + "td4: bad.td4: answered No; --yes loads it anyway\n";
}

std::vector<HostileCase> Cases() {
  const std::string exportText = WithCarriageReturns(kSevenLineFileText);
  const std::string itself = " is the design file itself; choose another file for the listing.\n";
  return {
      // Export onto the design: refused by file, not by name.
      {"ExportOntoItself", {"export", "track.td4", "track.td4"}, 1, "td4: track.td4: track.td4" + itself},
      {"ExportOntoAHardLink", {"export", "track.td4", "hard.td4"}, 1, "td4: hard.td4: hard.td4" + itself},
      {"ExportOntoASymbolicLink", {"export", "track.td4", "soft.td4"}, 1, "td4: soft.td4: soft.td4" + itself},
      {"ExportOntoTheDesignOnStandardInput", {"export", "-", "track.td4"}, 1, "td4: track.td4: track.td4" + itself,
       "", {}, [] {
         Td4Options fromTheDesign;  // < track.td4
         fromTheDesign.inputFile = "track.td4";
         return fromTheDesign;
       }()},
      // A failed export leaves the old file whole and nothing beside it, and says why.
      {"ExportPastTheSizeLimit", {"export", "long.td4", "list.txt"}, 1, "td4: list.txt: list.txt is too large.\n",
       "", {}, FileSizeLimit(16384)},
      {"ExportToAFullDevice", {"export", "long.td4", "/dev/full"}, 1,
       "td4: /dev/full: Disk full while accessing /dev/full.\n"},
      {"ExportIntoAMissingFolder", {"export", "track.td4", "no/list.txt"}, 1,
       "td4: no/list.txt: The folder no does not exist.\n"},
      {"ExportIntoAFolder", {"export", "track.td4", "."}, 1, "td4: .: . is a folder, not a file.\n"},
      {"ExportReplacesTheOldFile", {"export", "track.td4", "list.txt"}, 0, "", "",
       {{"list.txt", Bytes(exportText.begin(), exportText.end())}}},
      // SIGXFSZ is ignored: the write fails and is reported.
      {"MirrorPastTheSizeLimit", {"mirror", "long.td4", "-o", "long.td4"}, 1, "td4: long.td4: long.td4 is too large.\n",
       "", {}, FileSizeLimit(16384)},
      // A named pipe waits for its writer.
      {"CheckAPipeWhoseWriterComesLate", {"check", "p"}, 0, "", CheckLine("p"), {}, {}, {}, kDesign},
      // Standard output, however it is named, is written in place.
      {"SaveToDevStdoutThroughAPipe", {"save", "track.td4", "-o", "/dev/stdout"}, 0, "", Text(kDesign), {}, ToPipe()},
      {"SaveToDevFdThroughAPipe", {"save", "track.td4", "-o", "/dev/fd/1"}, 0, "", Text(kDesign), {}, ToPipe()},
      {"SaveToProcSelfFdThroughAPipe", {"save", "track.td4", "-o", "/proc/self/fd/1"}, 0, "", Text(kDesign), {},
       ToPipe()},
      {"ExportToDevStdoutThroughAPipe", {"export", "track.td4", "/dev/stdout"}, 0, "", exportText, {}, ToPipe()},
      {"SaveToDash", {"save", "track.td4", "-o", "-"}, 0, "", Text(kDesign)},
      {"ExportToDash", {"export", "track.td4", "-"}, 0, "", exportText},
      {"ListDash", {"list", "-"}, 0, "", Listing("-"), {}, Input(kDesign)},
      {"SaveAsAFilter", {"save", "-", "-o", "-"}, 0, "", Text(kDesign), {}, ToPipe(kDesign)},
      {"DashTwiceIsReadOnce", {"list", "-", "-"}, 0, "", Listing("-") + Listing("-"), {}, Input(kDesign)},
      // Every file of a batch is loaded afresh and named as given.
      {"ListThroughLinks", {"list", "track.td4", "hard.td4", "soft.td4"}, 0, "",
       Listing("track.td4") + Listing("hard.td4") + Listing("soft.td4")},
      {"CheckDevStdinTwice", {"check", "/dev/stdin", "/dev/stdin"}, 1,
       "td4: /dev/stdin: The file holds no track design.\n", CheckLine("/dev/stdin") + "/dev/stdin\tnot loaded\n", {},
       Input(kDesign)},
      // Temporary names fit wherever the target's name fits.
      {"SaveUnderALongName", {"save", "track.td4", "-o", kLongName}, 0, "", "", {{kLongName, kDesign}}},
      // A file the user may not write is refused, not replaced through the folder.
      {"MirrorOntoAReadOnlyFile", {"mirror", "ro.td4", "-o", "ro.td4"}, 1, "td4: ro.td4: ro.td4 is read-only.\n", "",
       {}, OrdinaryUser()},
      {"SaveOntoAReadOnlyFile", {"save", "track.td4", "-o", "ro.td4"}, 1, "td4: ro.td4: ro.td4 is read-only.\n", "",
       {}, OrdinaryUser()},
      {"ExportOntoAReadOnlyFile", {"export", "track.td4", "ro.txt"}, 1, "td4: ro.txt: ro.txt is read-only.\n", "",
       {}, OrdinaryUser()},
      {"SaveIntoAMissingFolder", {"save", "track.td4", "-o", "no/such.td4"}, 1,
       "td4: no/such.td4: The folder no does not exist.\n"},
      // Each message names its file.
      {"ABatchWithBrokenFiles", {"list", "short.td4", "track.td4", "bad.td4", "notrack.td4"}, 1,
       "td4: short.td4: Unexpected file format.\n" + ChecksumRefusal() +
           "td4: notrack.td4: Error processing track data.\n",
       Listing("track.td4")},
      // Names are escaped where a person or a tab-separated line meets them.
      {"CheckANameWithATab", {"check", "tab\tname.td4"}, 0, "", CheckLine("tab\\tname.td4")},
      {"ListOnATerminal", {"list", "esc\033[2J.td4"}, 0, "", Listing("esc\\033[2J.td4"), {}, OnATerminal(),
       {{"esc\033[2J.td4", kDesign}}},
      {"ListIntoAFile", {"list", "esc\033[2J.td4"}, 0, "", Listing("esc\033[2J.td4"), {}, {},
       {{"esc\033[2J.td4", kDesign}}},
      {"CheckAMissingNameWithALineFeed", {"check", "new\nline.td4"}, 1,
       "td4: new\\nline.td4: new\\nline.td4 was not found.\n", "new\\nline.td4\tnot loaded\n"},
      {"ListAMissingNameWithEscapes", {"list", "x\033[31m.td4"}, 1,
       "td4: x\\033[31m.td4: x\\033[31m.td4 was not found.\n", ""},
      // The command line.
      {"UnknownCommand", {"lst", "track.td4"}, 2, "td4: Unknown command: lst" + kUsage, ""},
      {"NoCommand", {}, 2, "td4: A subcommand is required" + kUsage, ""},
      {"MissingFile", {"list"}, 2, "td4: FILE is required" + kUsage, ""},
      {"MissingOut", {"export", "track.td4"}, 2, "td4: OUT is required" + kUsage, ""},
      {"MissingOutput", {"save", "track.td4"}, 2, "td4: --output is required" + kUsage, ""},
      {"UnknownOption", {"list", "--bogus", "track.td4"}, 2,
       "td4: The following argument was not expected: --bogus" + kUsage, ""},
      {"BadStartElevation", {"list", "-e", "62", "track.td4"}, 2, "td4: Please enter an integer between 1 and 61.\n",
       ""},
      // An empty name or a wrong number is named for what it is.
      {"EmptyFile", {"list", "track.td4", ""}, 2, "td4: FILE: the name is empty" + kUsage, ""},
      {"EmptyOut", {"export", "track.td4", ""}, 2, "td4: OUT: the name is empty" + kUsage, ""},
      {"EmptyOutput", {"save", "track.td4", "-o", ""}, 2, "td4: --output: the name is empty" + kUsage, ""},
      {"EmptyPath", {"catalog", ""}, 2, "td4: PATH: the name is empty" + kUsage, ""},
      {"JobsNotANumber", {"catalog", "--jobs", "abc", "."}, 2,
       "td4: --jobs: abc is not a whole number from 1 to 1024" + kUsage, ""},
      {"WidthTooLarge", {"profile", "--width", "9000", "track.td4", "-o", "p.png"}, 2,
       "td4: --width: 9000 is not a whole number from 400 to 8000" + kUsage, ""},
      {"HeightNotWhole", {"profile", "--height", "2.5", "track.td4", "-o", "p.png"}, 2,
       "td4: --height: 2.5 is not a whole number from 150 to 4000" + kUsage, ""},
      {"SizeTooSmall", {"thumbnail", "--size", "5", "track.td4", "t.png"}, 2,
       "td4: --size: 5 is not a whole number from 16 to 4096" + kUsage, ""},
      {"DoubleDashFirst", {"list", "--", "-dash.td4"}, 0, "", Listing("-dash.td4")},
      {"DoubleDashAfterAFile", {"list", "track.td4", "--", "-dash.td4"}, 0, "",
       Listing("track.td4") + Listing("-dash.td4")},
      {"DoubleDashBeforeTheCommand", {"--", "list", "-dash.td4"}, 0, "", Listing("-dash.td4")},
      {"ScreenListingsOfSeveralFiles", {"list", "--screen", "track.td4", "hard.td4"}, 0, "",
       "==> track.td4 <==\n" + Screen() + "\n==> hard.td4 <==\n" + Screen()},
  };
}

class Td4HostileTest : public ::testing::TestWithParam<HostileCase> {};

TEST_P(Td4HostileTest, ExitStatusMessageAndFiles) {
  const HostileCase& c = GetParam();
  CaseFolder folder(c.extra);
  std::thread lateWriter;
  if (c.fifo) {
    ASSERT_EQ(::mkfifo(folder.folder.Path("p").c_str(), 0600), 0);
    folder.files["p"] = {};
    lateWriter = std::thread([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      // Without a reader the open fails; a td4 that gave up early must not hang the test.
      int fd = -1;
      for (int tries = 0; fd < 0 && tries < 500; ++tries) {
        fd = ::open(folder.folder.Path("p").c_str(), O_WRONLY | O_NONBLOCK);
        if (fd < 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
      if (fd < 0) return;
      ::fcntl(fd, F_SETFL, 0);
      [[maybe_unused]] const ssize_t written = ::write(fd, c.fifo->data(), c.fifo->size());
      ::close(fd);
    });
  }
  Td4Options options = c.options;
  options.folder = folder.folder.Path("");
  const Td4Result result = RunTd4(c.args, options);
  if (lateWriter.joinable()) lateWriter.join();

  EXPECT_EQ(result.status, c.status);
  EXPECT_EQ(result.err, c.err);
  if (c.out) {
    EXPECT_EQ(result.out, *c.out);
  }
  std::map<std::string, Bytes> expected = folder.files;
  for (const auto& [name, bytes] : c.changed) expected[name] = bytes;
  std::vector<std::string> names;
  for (const auto& [name, bytes] : expected) names.push_back(name);
  EXPECT_EQ(folder.folder.Entries(), names);
  for (const auto& [name, bytes] : expected) {
    if (name != "p") {
      EXPECT_EQ(ReadFileBytes(folder.folder.Path(name)), bytes) << name;
    }
  }
  EXPECT_TRUE(fs::is_symlink(folder.folder.Path("soft.td4")));
}

INSTANTIATE_TEST_SUITE_P(Cases, Td4HostileTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

// Out of memory is a message and exit status 1, never an abort. (Address
// sanitizers reserve far more address space than any such limit allows.)
TEST(Td4HostileLimitsTest, RunningOutOfMemoryIsAMessage) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "an address space limit cannot hold a sanitized program";
#endif
  TempFolder folder;
  const std::string design = folder.Write("level.td4", LargestDesign());
  Td4Options options;
  options.memoryLimit = 140 << 20;  // some 80 MB go to the program and its libraries, over 100 MB to the design
  const Td4Result result = RunTd4({"check", design}, options);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "td4: " + design + ": Error processing track data.\n");
  EXPECT_EQ(result.out, design + "\tnot loaded\n");
}

// Help and version are output like any other: they must arrive.
TEST(Td4HostileLimitsTest, HelpEndsWithTheExitStatusesAndMustArrive) {
  const Td4Result help = RunTd4({"--help"});
  EXPECT_EQ(help.status, 0);
  const std::string statuses =
      "Exit status:\n"
      "  0  done; for check: every design loads and stays within 1..61; for catalog: every design loads and fits\n"
      "  1  a file was refused, or could not be read or written (nothing is written for it); for catalog:\n"
      "     standard output could not be written\n"
      "  2  the command line was wrong\n"
      "  3  check: every design loads, but some line leaves 1..61; catalog: some design is refused or fits\n"
      "     at no starting elevation\n";
  EXPECT_EQ(help.out.substr(help.out.size() - std::min(help.out.size(), statuses.size())), statuses);

  for (const char* request : {"--help", "--version"}) {
    Td4Options full;
    full.outputFile = "/dev/full";
    const Td4Result result = RunTd4({request}, full);
    EXPECT_EQ(result.status, 1) << request;
    EXPECT_EQ(result.err, "td4: Disk full while accessing standard output.\n") << request;
  }
}

// A named pipe is no file to replace: the listing goes into it, and it stays a pipe.
TEST(Td4HostileLimitsTest, ExportIntoANamedPipeWritesInPlace) {
  TempFolder folder;
  const std::string design = folder.Write("track.td4", kDesign);
  const std::string pipe = folder.Path("p");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);  // the listing fits the pipe's buffer
  const Td4Result result = RunTd4({"export", design, pipe});
  char buffer[4096];
  const ssize_t length = ::read(reader, buffer, sizeof buffer);
  ::close(reader);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(std::string(buffer, std::size_t(std::max<ssize_t>(length, 0))), WithCarriageReturns(kSevenLineFileText));
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"p", "track.td4"}));
  EXPECT_TRUE(fs::is_fifo(pipe));
}

// A named pipe as the output waits for its reader, as one as the input waits for its writer.
TEST(Td4HostileLimitsTest, ANamedPipeAsTheOutputWaitsForItsReader) {
  TempFolder folder;
  const std::string design = folder.Write("track.td4", kDesign);
  const std::string pipe = folder.Path("p");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::string arrived;
  std::thread lateReader([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    // Not waiting for a writer: a td4 that gave up at once must not hang the test. One that
    // waits in its open counts as the writer already, so the reads below wait for its bytes.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ::fcntl(reader, F_SETFL, 0);
    char buffer[4096];
    for (ssize_t count; (count = ::read(reader, buffer, sizeof buffer)) > 0;) arrived.append(buffer, std::size_t(count));
    ::close(reader);
  });
  const Td4Result result = RunTd4({"export", design, pipe});
  lateReader.join();
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(arrived, WithCarriageReturns(kSevenLineFileText));
  EXPECT_TRUE(fs::is_fifo(pipe));
}

// Through a link to a file in a folder that is gone, the folder named is the
// one that is missing, not the link's own.
TEST(Td4HostileLimitsTest, ASaveThroughADanglingLinkNamesTheMissingFolder) {
  TempFolder folder;
  folder.Write("track.td4", kDesign);
  fs::create_directory(folder.Path("links"));
  fs::create_symlink("../gone/track.td4", folder.Path("links/dangling.td4"));
  Td4Options inside;
  inside.folder = folder.Path("");
  const Td4Result result = RunTd4({"save", "track.td4", "-o", "links/dangling.td4"}, inside);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "td4: links/dangling.td4: The folder links/../gone does not exist.\n");
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"links", "track.td4"}));
}

// A thumbnail's FILE and OUT may come after "--", as every command's may.
TEST(Td4HostileLimitsTest, AThumbnailTakesNamesAfterTheDoubleDash) {
  TempFolder folder;
  folder.Write("-odd.td4", kDesign);
  Td4Options inside;
  inside.folder = folder.Path("");
  const Td4Result result = RunTd4({"thumbnail", "--", "-odd.td4", "-odd.png"}, inside);
  EXPECT_EQ(result.status, 0) << result.err;
  const Bytes png = ReadFileBytes(folder.Path("-odd.png"));
  EXPECT_EQ(Bytes(png.begin(), png.begin() + std::min<std::ptrdiff_t>(4, std::ptrdiff_t(png.size()))),
            (Bytes{0x89, 'P', 'N', 'G'}));
}

TEST(Td4HostileLimitsTest, JsonCarriesItsFormatVersionAndThePathAsGiven) {
  TempFolder folder;
  const std::string design = folder.Write("track.td4", kDesign);
  Td4Options options = Input(kDesign);
  const Td4Result result = RunTd4({"list", "--json", design, "-"}, options);
  ASSERT_EQ(result.status, 0) << result.err;
  std::istringstream stream(result.out);
  nlohmann::json first, second;
  stream >> first >> second;
  EXPECT_EQ(first["format_version"], 1);
  EXPECT_EQ(first["file"], "track.td4");
  EXPECT_EQ(first["path"], design);
  EXPECT_EQ(second["file"], "-");
  EXPECT_EQ(second["path"], "-");
}

// Waits up to ten seconds for a temporary file to appear in the watched folder.
bool TemporaryFileAppears(int watch) {
  alignas(inotify_event) char buffer[4096];
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd ready{watch, POLLIN, 0};
    if (::poll(&ready, 1, 100) <= 0) continue;
    const ssize_t length = ::read(watch, buffer, sizeof buffer);
    for (ssize_t at = 0; at < length;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      if (event->len > 0 && std::strncmp(event->name, ".ttd-", 5) == 0) return true;
      at += ssize_t(sizeof(inotify_event) + event->len);
    }
  }
  return false;
}

bool HoldsATemporaryFile(const TempFolder& folder) {
  for (const std::string& name : folder.Entries())
    if (name.rfind(".ttd-", 0) == 0) return true;
  return false;
}

// The real td4, interrupted while it writes a large design: stopped as soon
// as its temporary file appears, sent the signal, then let go. It must end by
// that signal, having removed the temporary file, with the target as it was.
TEST(Td4HostileLimitsTest, AnInterruptedWriteLeavesTheTargetAndNoTemporaryFile) {
  const Bytes large = BuildDesignFile(AlternatingDesign(1000000));
  const std::pair<const char*, const char*> writes[] = {{"save", "target.td4"}, {"export", "target.txt"}};
  for (const auto& [command, target] : writes) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
      SCOPED_TRACE(std::string(command) + ", " + strsignal(signal));
      TempFolder folder;
      const std::string design = folder.Write("large.td4", large);
      const std::string output = folder.Write(target, kOldListing);
      std::vector<std::string> args = {command, design, output};
      if (command == std::string("save")) args.insert(args.begin() + 2, "-o");
      // A write that finishes before the stop lands proves nothing; try again.
      bool caught = false;
      for (int attempt = 0; attempt < 3 && !caught; ++attempt) {
        const int watch = ::inotify_init1(IN_CLOEXEC);
        ::inotify_add_watch(watch, folder.Path("").c_str(), IN_CREATE);
        const pid_t td4 = StartTd4(args);
        const bool appeared = TemporaryFileAppears(watch);
        ::close(watch);
        ::kill(td4, SIGSTOP);
        int status = 0;
        ::waitpid(td4, &status, WUNTRACED);
        caught = appeared && WIFSTOPPED(status) && HoldsATemporaryFile(folder);
        ::kill(td4, caught ? signal : SIGKILL);
        ::kill(td4, SIGCONT);
        ::waitpid(td4, &status, 0);
        if (caught) {
          EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        } else {  // back as it was, for the next attempt
          folder.Write(target, kOldListing);
          for (const std::string& name : folder.Entries())
            if (name.rfind(".ttd-", 0) == 0) fs::remove(folder.Path(name));
        }
      }
      ASSERT_TRUE(caught) << "the write was never caught while under way";
      EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"large.td4", target}));
      EXPECT_EQ(ReadFileBytes(output), kOldListing);
    }
  }
}

}  // namespace
