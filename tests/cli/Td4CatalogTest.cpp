#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "examples/DesignBuilder.h"
#include "tests/cli/Td4Runner.h"
#include "tests/support/TempFolder.h"

namespace {

using Json = nlohmann::json;
using Rows = std::vector<std::vector<std::string>>;

constexpr std::uint8_t kTerminal = 0x08;
constexpr std::uint8_t kChainLift = 0x80;

// A closed circuit, stored from its Middle station: 1, 1, Level to up 1-2,
// Up 2-4, Up to level 4, 4. Lowest 1, highest 4: starts 1..58 keep it in 1..61.
DesignDescription Circuit() {
  DesignDescription design;  // Steel Twister Roller Coaster, Twister cars, one 6-car train
  design.segments = {{3}, {1, kTerminal}, {6}, {4}, {4}, {9}, {2, kTerminal}};
  return design;
}

// Stored from its Begin station (an open circuit): 1, Level to down 1-0,
// Down 0 to -2, Down to level -2, -2. Lowest -2, highest 1: starts 4..61.
DesignDescription Descent() {
  DesignDescription design;
  design.segments = {{2, kTerminal}, {12}, {10}, {10}, {15}, {1, kTerminal}};
  return design;
}

// Sixteen Up steep (+4 each) with chain lift from 1 climb to 65: lowest 1,
// highest 65, 64 apart, more than 1..61 holds. The later edition.
DesignDescription Tower() {
  DesignDescription design;
  design.flags = 0x04;
  design.segments = {{2, kTerminal}};
  design.segments.insert(design.segments.end(), 16, SegmentEntry{5, kChainLift});
  return design;
}

// A launched lift hill (+1) in a circuit: 1, 1, 1-2, 2. Highest 2: starts 1..60.
DesignDescription Launch() {
  DesignDescription design;
  design.segments = {{3}, {1, kTerminal}, {182}, {2, kTerminal}};
  return design;
}

// A folder of every kind of row, with a file that is no design and a sub-folder.
struct CatalogFolder {
  CatalogFolder() {
    const std::vector<std::uint8_t> circuit = BuildDesignFile(Circuit());
    std::vector<std::uint8_t> wrong = circuit;
    wrong.back() ^= 0x5A;
    DesignDescription maze = Circuit();
    maze.rideType = 20;
    std::filesystem::create_directory(folder.Path("sub"));
    const std::pair<std::string, std::vector<std::uint8_t>> files[] = {
        {"UPPER.TD4", BuildDesignFile(Descent(), kAltChecksumOffset)},
        {"damaged.td4", {circuit.begin(), circuit.begin() + 3}},
        {"fits.td4", circuit},
        {"high.td4", BuildDesignFile(Tower())},
        {"maze.td4", BuildDesignFile(maze)},
        {"notes.txt", circuit},
        {"sub/inner.td4", BuildDesignFile(Launch())},
        {"wrong.td4", wrong},
    };
    for (const auto& [name, bytes] : files) {
      folder.Write(name, bytes);
      sizes[name] = bytes.size();
    }
    inside.folder = folder.Path("");
  }

  std::string Size(const std::string& name) const { return std::to_string(sizes.at(name)); }

  TempFolder folder;
  std::map<std::string, std::size_t> sizes;
  Td4Options inside;  // runs td4 in the folder, so that paths are short
};

// What python3's own csv or json module makes of text, as a script would
// read td4's output: the rows as a JSON array of arrays.
Json ParsedByPython(const std::string& script, const std::string& text) {
  TempFolder folder;
  const auto bytes = [](const std::string& s) { return std::vector<std::uint8_t>(s.begin(), s.end()); };
  const std::string command = std::string(PYTHON3_PATH) + " " + folder.Write("read.py", bytes(script)) + " " +
                              folder.Write("data", bytes(text));
  std::FILE* pipe = ::popen(command.c_str(), "r");
  std::string out;
  char buffer[4096];
  for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, count);
  EXPECT_EQ(::pclose(pipe), 0) << out;
  return Json::parse(out);
}

Json CsvByPython(const std::string& text) {
  return ParsedByPython(
      "import csv, json, sys\n"
      "print(json.dumps(list(csv.reader(open(sys.argv[1], newline='', encoding='utf-8')))))\n",
      text);
}

Json JsonLinesByPython(const std::string& text) {
  return ParsedByPython(
      "import json, sys\n"
      "print(json.dumps([json.loads(line) for line in open(sys.argv[1], encoding='utf-8')]))\n",
      text);
}

const std::vector<std::string> kCsvHeader = {
    "path",          "size",     "loaded",        "message",          "ride_type",         "vehicle_type",
    "trains",        "cars_per_train", "operating_mode", "edition",     "checksum",          "segment_count",
    "lowest_elevation", "highest_elevation", "chain_lift", "launched_lift_hill", "reverse", "fit_first",
    "fit_last",      "fits",     "track_key",     "same_track_as",    "variant"};

// SHA-256 of the smallest of the track lists each design's steps reach, from
// the tracks worked out by hand (the Circuit and the Descent also reversed;
// mirroring changes none of their pieces, and Reverse Track refuses the other two).
const std::string kCircuitKey = "063f92213dea775aa2d14459878483c7862234f7212e70f7758d2e2669817254";
const std::string kDescentKey = "a87425a501802268c44c13217ad8b21a6e003008d821f84ae653c2b2e8ef508d";
const std::string kTowerKey = "79e973ae305b7cd873e5a9e3d5455522aaa37d432ce39d2dad1ae8f3d086a945";
const std::string kLaunchKey = "940d919ca3941e691f23efefb685accd13da1c84aaad953daf694339e0c8c9f4";

// The rows of the whole folder, searched recursively, then a path that does not exist.
Rows ExpectedCsvRows(const CatalogFolder& c) {
  const std::string ride = "Steel Twister Roller Coaster";
  const std::string cars = "Twister cars (1 6-car train)";
  const std::string mode = "Continuous Circuit Mode";
  return {
      kCsvHeader,
      {"./UPPER.TD4", c.Size("UPPER.TD4"), "true", "", ride, cars, "1", "6", mode, "Merovale", "alternative", "6",
       "-2", "1", "false", "false", "asks_first", "4", "61", "true", kDescentKey, "", ""},
      {"./damaged.td4", "3", "false", "Unexpected file format.", "", "", "", "", "", "", "", "", "", "", "", "", "",
       "", "", "false", "", "", ""},
      {"./fits.td4", c.Size("fits.td4"), "true", "", ride, cars, "1", "6", mode, "Original Tivora", "normal", "7", "1",
       "4", "false", "false", "reverses", "1", "58", "true", kCircuitKey, "", ""},
      {"./high.td4", c.Size("high.td4"), "true", "", ride, cars, "1", "6", mode, "Zanthera", "normal", "17", "1", "65",
       "true", "false", "refused", "", "", "false", kTowerKey, "", ""},
      // A refused design's size is still the file's.
      {"./maze.td4", c.Size("maze.td4"), "false", "Hedge mazes are not supported", "", "", "", "", "", "", "", "", "",
       "", "", "", "", "", "", "false", "", "", ""},
      {"./sub/inner.td4", c.Size("sub/inner.td4"), "true", "", ride, cars, "1", "6", mode, "Original Tivora", "normal",
       "4", "1", "2", "false", "true", "refused", "1", "60", "true", kLaunchKey, "", ""},
      // Loaded as the Yes answer would load it.
      {"./wrong.td4", c.Size("wrong.td4"), "true", "", ride, cars, "1", "6", mode, "Unknown", "wrong", "7", "1", "4",
       "false", "false", "reverses", "1", "58", "true", kCircuitKey, "./fits.td4", "same"},
      {"missing.td4", "0", "false", "missing.td4 was not found.", "", "", "", "", "", "", "", "", "", "", "", "", "",
       "", "", "false", "", "", ""},
  };
}

TEST(Td4CatalogTest, CsvRowsInPathOrderWhateverTheThreadCount) {
  const CatalogFolder c;
  const Rows expected = ExpectedCsvRows(c);
  std::string first;
  for (const char* jobs : {"1", "4"}) {
    const Td4Result result = RunTd4({"catalog", "--csv", "--recursive", "--jobs", jobs, ".", "missing.td4"}, c.inside);
    EXPECT_EQ(result.status, 3) << jobs;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(CsvByPython(result.out), Json(expected)) << jobs;
    EXPECT_NE(result.out.find("variant\r\n./UPPER.TD4,"), std::string::npos);  // CR LF, as RFC 4180 has it
    if (first.empty()) first = result.out;
    EXPECT_EQ(result.out, first) << jobs;
  }
}

// Descent reversed by hand: every piece turned round, the order reversed, the
// Begin station brought back to the front.
TEST(Td4CatalogTest, SameTrackKeepsOnlyTheRowsWhoseTrackAnEarlierOneHas) {
  TempFolder folder;
  DesignDescription reversed = Descent();
  reversed.segments = {{2, kTerminal}, {6}, {4}, {4}, {9}, {1, kTerminal}};
  folder.Write("a.td4", BuildDesignFile(Descent()));
  folder.Write("b.td4", BuildDesignFile(Circuit()));
  folder.Write("c.td4", BuildDesignFile(reversed));
  Td4Options inside;
  inside.folder = folder.Path("");
  const Td4Result csv = RunTd4({"catalog", "--csv", "--same-track", "."}, inside);
  EXPECT_EQ(csv.status, 0) << csv.err;
  const Json rows = CsvByPython(csv.out);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1][0], "./c.td4");
  EXPECT_EQ(rows[1][20], kDescentKey);
  EXPECT_EQ(rows[1][21], "./a.td4");
  EXPECT_EQ(rows[1][22], "reversed");
  const Td4Result table = RunTd4({"catalog", "--same-track", "."}, inside);
  EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 2) << table.out;
  EXPECT_NE(table.out.find("./c.td4\n"), std::string::npos);
}

// The first design takes longest, so that with several threads the others are
// done before it: they must still wait for their turn, in every format, the
// rows made on the workers coming out byte for byte as with one thread.
TEST(Td4CatalogTest, ALongFirstDesignKeepsItsPlace) {
  TempFolder folder;
  DesignDescription zigzag;  // Up and Down in turn, a line each: 1-2, 2-1, ...
  zigzag.segments.push_back({2, kTerminal});
  for (int i = 0; i < 200000; ++i) zigzag.segments.push_back({std::uint8_t(i % 2 ? 10 : 4)});
  folder.Write("a-long.td4", BuildDesignFile(zigzag));
  std::vector<std::string> expected = {"path", "./a-long.td4"};
  // More than the designs a thread takes at once, so that others take some.
  for (int i = 0; i < 100; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "b-%03d.td4", i);
    folder.Write(name, BuildDesignFile(Circuit()));
    expected.push_back(std::string("./") + name);
  }
  Td4Options inside;
  inside.folder = folder.Path("");
  // CSV, JSON Lines and the table.
  for (const std::vector<std::string>& format : std::vector<std::vector<std::string>>{{"--csv"}, {"--json"}, {}}) {
    const auto catalog = [&](std::vector<std::string> args) {
      args.insert(args.begin(), format.begin(), format.end());
      args.insert(args.begin(), "catalog");
      args.push_back(".");
      return RunTd4(args, inside);
    };
    const std::string name = format.empty() ? "table" : format[0];
    const Td4Result one = catalog({"--jobs", "1"});
    EXPECT_EQ(one.status, 0) << name << one.err;
    EXPECT_EQ(catalog({"--jobs", "2"}).out, one.out) << name;
    EXPECT_EQ(catalog({}).out, one.out) << name;
    if (name == "--csv") {
      std::vector<std::string> paths;
      for (const Json& row : CsvByPython(one.out)) paths.push_back(row[0]);
      EXPECT_EQ(paths, expected);
    }
  }
}

TEST(Td4CatalogTest, CsvQuotesCommasQuotesAndLineBreaks) {
  TempFolder folder;
  const std::string odd = folder.Write("a, \"b\"\nc.td4", BuildDesignFile(Circuit()));
  const Td4Result result = RunTd4({"catalog", "--csv", odd});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("\r\n\"" + folder.Path("") + "a, \"\"b\"\"\nc.td4\","), std::string::npos);
  EXPECT_EQ(CsvByPython(result.out)[1][0], odd);
}

// Names that need quoting or escaping, and one that is not UTF-8: scripts
// read them back with their own modules, the invalid byte as U+FFFD in both.
TEST(Td4CatalogTest, CsvAndJsonCarryOddNamesAsGivenAndInvalidBytesAsReplacementCharacters) {
  TempFolder folder;
  const std::vector<std::string> names = {"tab\tname.td4", "quote\"name.td4", "back\\slash.td4", ",",
                                          "line\nfeed.td4", "not\xffutf8.td4"};
  std::vector<std::string> expected = names;
  expected.back() = "not\xEF\xBF\xBDutf8.td4";
  for (const std::string& name : names) folder.Write(name, BuildDesignFile(Circuit()));
  Td4Options inside;
  inside.folder = folder.Path("");
  std::vector<std::string> args = {"catalog", "--csv"};
  args.insert(args.end(), names.begin(), names.end());

  const Td4Result csv = RunTd4(args, inside);
  args[1] = "--json";
  const Td4Result json = RunTd4(args, inside);

  ASSERT_EQ(csv.status, 0) << csv.err;
  ASSERT_EQ(json.status, 0) << json.err;
  std::vector<std::string> fromCsv, fromJson;
  const Json csvRows = CsvByPython(csv.out);
  for (std::size_t row = 1; row < csvRows.size(); ++row) fromCsv.push_back(csvRows[row][0]);
  for (const Json& row : JsonLinesByPython(json.out)) fromJson.push_back(row["path"]);
  EXPECT_EQ(fromCsv, expected);
  EXPECT_EQ(fromJson, expected);
}

TEST(Td4CatalogTest, JsonLinesCarryEveryFieldAndNullsWhereThereIsNothing) {
  const CatalogFolder c;
  const Td4Result result = RunTd4({"catalog", "--json", "fits.td4", "maze.td4", "high.td4"}, c.inside);
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 3);  // one line per design
  const Json rows = JsonLinesByPython(result.out);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], Json::parse(R"json({
      "format_version": 1, "path": "fits.td4", "size": )json" + c.Size("fits.td4") + R"json(, "loaded": true,
      "message": null, "ride_type": "Steel Twister Roller Coaster",
      "vehicle_type": {"text": "Twister cars (1 6-car train)", "trains": 1, "cars_per_train": 6},
      "operating_mode": "Continuous Circuit Mode", "edition": "Original Tivora", "checksum": "normal",
      "segment_count": 7, "lowest_elevation": 1, "highest_elevation": 4, "chain_lift": false,
      "launched_lift_hill": false, "reverse": "reverses", "fitting_start_elevations": {"first": 1, "last": 58},
      "fits": true, "track_key": ")json" + kCircuitKey + R"json(", "same_track_as": null, "variant": null})json"));
  EXPECT_EQ(rows[1], Json::parse(R"json({
      "format_version": 1, "path": "maze.td4", "size": )json" + c.Size("maze.td4") + R"json(, "loaded": false,
      "message": "Hedge mazes are not supported", "ride_type": null, "vehicle_type": null, "operating_mode": null,
      "edition": null, "checksum": null, "segment_count": null, "lowest_elevation": null,
      "highest_elevation": null, "chain_lift": null, "launched_lift_hill": null, "reverse": null,
      "fitting_start_elevations": null, "fits": false, "track_key": null, "same_track_as": null,
      "variant": null})json"));
  EXPECT_EQ(rows[2]["fitting_start_elevations"], nullptr);
  EXPECT_EQ(rows[2]["highest_elevation"], 65);
  EXPECT_EQ(rows[2]["fits"], false);
  EXPECT_EQ(rows[2]["chain_lift"], true);
}

// Fixed widths, so that rows line up as they stream; the file's name last.
TEST(Td4CatalogTest, TableRowsLineUpAndARefusedOneShowsItsMessage) {
  const CatalogFolder c;
  for (const bool terminal : {false, true}) {
    Td4Options options = c.inside;
    options.outputToTerminal = terminal;
    const Td4Result result = RunTd4({"catalog", "fits.td4", "maze.td4", "a\tb.td4"}, options);
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "FIT      EDITION          CHECKSUM     SEGMENTS  ELEVATIONS   RIDE TYPE                             FILE\n"
              "1..58    Original Tivora  normal              7  1..4         Steel Twister Roller Coaster          "
              "fits.td4\n"
              "refused  Hedge mazes are not supported                                                              "
              "maze.td4\n"
              "refused  a\\tb.td4 was not found.                                                                    "
              "a\\tb.td4\n");
  }
}

TEST(Td4CatalogTest, ExitsZeroOnlyWhenEveryDesignLoadsAndFits) {
  const CatalogFolder c;
  struct Case {
    std::vector<std::string> paths;
    int status;
  };
  const Case cases[] = {
      {{"fits.td4", "UPPER.TD4", "wrong.td4"}, 0},
      {{"sub"}, 0},
      {{"."}, 3},  // without --recursive, still the damaged and the maze
      {{"fits.td4", "high.td4"}, 3},
      {{"fits.td4", "damaged.td4"}, 3},
      {{"fits.td4", "missing.td4"}, 3},
  };
  for (const Case& one : cases) {
    std::vector<std::string> args = {"catalog", "--json"};
    args.insert(args.end(), one.paths.begin(), one.paths.end());
    const Td4Result result = RunTd4(args, c.inside);
    EXPECT_EQ(result.status, one.status) << testing::PrintToString(one.paths);
    EXPECT_EQ(result.err, "");
  }
  const Td4Result flat = RunTd4({"catalog", "--csv", "."}, c.inside);
  EXPECT_EQ(flat.out.find("inner.td4"), std::string::npos);  // a sub-folder only with --recursive
}

TEST(Td4CatalogTest, AnUnreadableSubFolderIsARowWithItsMessage) {
  const CatalogFolder c;
  ASSERT_EQ(::chmod(c.folder.Path("").c_str(), 0755), 0);
  ASSERT_EQ(::chmod(c.folder.Path("sub").c_str(), 0), 0);
  Td4Options options = c.inside;
  options.ordinaryUser = true;  // root reads every folder
  const Td4Result result = RunTd4({"catalog", "--csv", "--recursive", "fits.td4", "."}, options);
  EXPECT_EQ(result.status, 3);
  const Json rows = CsvByPython(result.out);
  ASSERT_EQ(rows.size(), 1u + 8u);  // fits.td4, then the folder's seven rows with the sub-folder's
  EXPECT_EQ(rows[7][0], "./sub");
  EXPECT_EQ(rows[7][3], "./sub could not be accessed.");
  EXPECT_EQ(rows[8][0], "./wrong.td4");
}

// Nothing of these is read or waited for, and each is a row of its own.
TEST(Td4CatalogTest, PipesDevicesAndSocketsAreRowsWithoutBeingRead) {
  TempFolder folder;
  folder.Write("a.td4", BuildDesignFile(Circuit()));
  ASSERT_EQ(::mkfifo(folder.Path("pipe.td4").c_str(), 0644), 0);
  std::filesystem::create_symlink("/dev/zero", folder.Path("zero.td4"));
  std::filesystem::create_symlink("/dev/tty", folder.Path("tty.td4"));
  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = folder.Path("socket.td4");
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  socketPath.copy(address.sun_path, socketPath.size());
  ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  folder.Write("z.td4", BuildDesignFile(Circuit()));
  Td4Options options;
  options.folder = folder.Path("");

  const auto started = std::chrono::steady_clock::now();
  const Td4Result result = RunTd4({"catalog", "--csv", "."}, options);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
  ::close(listener);
  const Json rows = CsvByPython(result.out);
  ASSERT_EQ(rows.size(), 7u) << result.out;
  // Path, then the message; a design loads and has its size.
  const std::pair<std::string, std::string> expected[] = {
      {"./a.td4", ""},
      {"./pipe.td4", "./pipe.td4 is a named pipe, not a file."},
      {"./socket.td4", "./socket.td4 is a socket, not a file."},
      {"./tty.td4", "./tty.td4 is a device, not a file."},
      {"./z.td4", ""},
      {"./zero.td4", "./zero.td4 is a device, not a file."},
  };
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const auto& [path, message] = expected[i];
    const Json& row = rows[i + 1];
    EXPECT_EQ(row[0], path);
    EXPECT_EQ(row[1] == "0", !message.empty()) << path;
    EXPECT_EQ(row[2], message.empty() ? "true" : "false") << path;
    EXPECT_EQ(row[3], message);
  }
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.err, "");
}

// As an ordinary user allowed only so many processes and threads, the
// catalogue goes on with the threads that start, or alone.
TEST(Td4CatalogTest, GoesOnWithTheThreadsTheSystemStarts) {
  TempFolder folder;
  ASSERT_EQ(::chmod(folder.Path("").c_str(), 0755), 0);
  const std::vector<std::uint8_t> circuit = BuildDesignFile(Circuit());
  for (int i = 0; i < 200; ++i) folder.Write("d" + std::to_string(1000 + i) + ".td4", circuit);
  Td4Options options;
  options.folder = folder.Path("");
  const Td4Result alone = RunTd4({"catalog", "--csv", "--jobs", "1", "."}, options);
  ASSERT_EQ(alone.status, 0) << alone.err;
  options.ordinaryUser = true;
  // A user of its own: a process of another test running as nobody would
  // count against the limit, and the start of td4 itself would then fail.
  options.ordinaryUid = kNobody - 1 - uid_t(::getpid() % 1000);
  // A leak check at exit, where td4 is built with one, starts a thread of its own, which the limit refuses too.
  const char* sanitizer = std::getenv("ASAN_OPTIONS");
  options.environment["ASAN_OPTIONS"] = std::string(sanitizer ? sanitizer : "") + ":detect_leaks=0";
  for (const rlim_t tasks : {1, 3}) {
    options.taskLimit = tasks;
    const Td4Result result = RunTd4({"catalog", "--csv", "--jobs", "16", "."}, options);
    EXPECT_EQ(result.status, 0) << tasks;
    EXPECT_EQ(result.err, "") << tasks;
    EXPECT_EQ(result.out.size(), alone.out.size()) << tasks;
    EXPECT_TRUE(result.out == alone.out) << tasks;
  }
}

TEST(Td4CatalogTest, UsageErrorsAndAnOutputThatCannotBeWritten) {
  const CatalogFolder c;
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"catalog"}, {"catalog", "--jobs", "0", "."}, {"catalog", "--jobs", "many", "."},
           {"catalog", "--jobs", "-2", "."}, {"catalog", "--json", "--csv", "."}}) {
    const Td4Result result = RunTd4(args, c.inside);
    EXPECT_EQ(result.status, 2) << testing::PrintToString(args);
    EXPECT_EQ(result.out, "");
  }
  Td4Options full = c.inside;
  full.outputFile = "/dev/full";
  const Td4Result result = RunTd4({"catalog", "-r", "."}, full);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "td4: Disk full while accessing standard output.\n");
}

// Erased before each row, so that only the rows stay on screen.
TEST(Td4CatalogTest, ProgressOnlyWhileStandardErrorIsATerminal) {
  const CatalogFolder c;
  Td4Options options = c.inside;
  options.outputToTerminal = true;
  options.errorToTerminal = true;
  const Td4Result result = RunTd4({"catalog", "--csv", "fits.td4", "wrong.td4"}, options);
  EXPECT_EQ(result.status, 0);
  const std::string erase = "\r\033[K";
  EXPECT_EQ(result.out.find("path,size,"), 0u);
  EXPECT_NE(result.out.find("\rtd4: 0 of 2 designs\033[K" + erase + "fits.td4,"), std::string::npos);
  EXPECT_NE(result.out.find("\rtd4: 1 of 2 designs\033[K" + erase + "wrong.td4,"), std::string::npos);
  EXPECT_TRUE(result.out.ends_with(",fits.td4,same\r\n\rtd4: 2 of 2 designs\033[K" + erase)) << result.out;
}

}  // namespace
