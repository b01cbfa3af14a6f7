// Prints one table of every benchmark figure beside the bound it is held to,
// with their ratio and whether the target holds. A figure and its bound are
// measured alternately; the table shows the median of each and the median of
// the pairs' ratios. A bound does less work than its figure on the same
// bytes, so a figure that beats it clearly tells that the bound is broken,
// not that the figure is good: that fails as a missed target does. Figures
// held to a fixed limit show the fastest run's time and the largest run's
// memory. Reads the benchmarks' JSON (the "median" aggregates of their
// counters), a folder of timed runs of the programs (one file per command,
// one line "SECONDS MEGABYTES" per run, line i of every file from the same
// round), and figures given as NAME=VALUE arguments. Exits 1 when a target
// does not hold or a bound is broken.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace {

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "bench_report: %s\n", message.c_str());
  std::exit(EXIT_FAILURE);
}

template <class Map>
const typename Map::mapped_type& Find(const Map& map, const std::string& name) {
  const auto found = map.find(name);
  if (found == map.end()) Fail("no figure " + name);
  return found->second;
}

// The middle value; for an even count, the mean of the two middle ones.
double Median(std::vector<double> values) {
  if (values.empty()) Fail("no values for a median");
  std::sort(values.begin(), values.end());
  const std::size_t half = values.size() / 2;
  return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

// The medians of a figure, its bound and their ratio over pairs measured alternately.
struct Pair {
  double figure;
  double bound;
  double ratio;
};

// The benchmarks' pairs by run name, without the "/iterations:1" they all carry.
std::map<std::string, Pair> ReadPairs(const char* path) {
  std::ifstream in(path);
  const nlohmann::json results = nlohmann::json::parse(in);
  std::map<std::string, Pair> pairs;
  for (const nlohmann::json& entry : results.at("benchmarks")) {
    if (entry.value("aggregate_name", "") != "median") continue;
    const std::string name = entry.at("run_name").get<std::string>();
    pairs[name.substr(0, name.find("/iterations:"))] = {
        entry.at("figure_ms").get<double>(), entry.at("bound_ms").get<double>(), entry.at("ratio").get<double>()};
  }
  return pairs;
}

// One run of a program, timed from the outside.
struct Run {
  double seconds;
  double megabytes;  // peak resident size
};

class Timings {
public:
  explicit Timings(const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      std::ifstream in(entry.path());
      std::vector<Run>& runs = m_runs[entry.path().filename().string()];
      for (Run run; in >> run.seconds >> run.megabytes;) runs.push_back(run);
    }
  }

  double Fastest(const std::string& command) const {
    const std::vector<Run>& runs = Runs(command);
    return std::min_element(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.seconds < b.seconds; })
        ->seconds;
  }

  double Largest(const std::string& command) const {
    const std::vector<Run>& runs = Runs(command);
    return std::max_element(runs.begin(), runs.end(),
                            [](const Run& a, const Run& b) { return a.megabytes < b.megabytes; })
        ->megabytes;
  }

  // The medians of two commands timed alternately, and of the ratios of their runs in the same round.
  Pair Alternated(const std::string& figure, const std::string& bound) const {
    return {Median(Seconds(figure)), Median(Seconds(bound)), Median(RatiosByRound(figure, bound))};
  }

  // How much faster command all ran than command one in each round, and
  // boundAll than boundOne: the medians of both gains and of their ratios.
  Pair Gains(const std::string& one, const std::string& all, const std::string& boundOne,
             const std::string& boundAll) const {
    const std::vector<double> gains = RatiosByRound(one, all);
    const std::vector<double> boundGains = RatiosByRound(boundOne, boundAll);
    std::vector<double> ratios;
    for (std::size_t i = 0; i < gains.size(); ++i) ratios.push_back(gains[i] / boundGains[i]);
    return {Median(gains), Median(boundGains), Median(ratios)};
  }

private:
  const std::vector<Run>& Runs(const std::string& command) const { return Find(m_runs, command); }

  std::vector<double> Seconds(const std::string& command) const {
    std::vector<double> seconds;
    for (const Run& run : Runs(command)) seconds.push_back(run.seconds);
    return seconds;
  }

  // The time of figure over that of bound, round by round.
  std::vector<double> RatiosByRound(const std::string& figure, const std::string& bound) const {
    const std::vector<double> figures = Seconds(figure);
    const std::vector<double> bounds = Seconds(bound);
    if (figures.size() != bounds.size()) Fail(figure + " and " + bound + " were not run alternately");
    std::vector<double> ratios;
    for (std::size_t i = 0; i < figures.size(); ++i) ratios.push_back(figures[i] / bounds[i]);
    return ratios;
  }

  std::map<std::string, std::vector<Run>> m_runs;
};

using Figures = std::map<std::string, double>;

Figures ReadFigures(int argc, char* argv[]) {
  Figures figures;
  for (int i = 3; i < argc; ++i) {
    const std::string argument = argv[i];
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos) Fail("not NAME=VALUE: " + argument);
    figures[argument.substr(0, equals)] = std::stod(argument.substr(equals + 1));
  }
  return figures;
}

// A figure may come out a little under its bound by chance, never by more.
constexpr double kLeastBoundRatio = 0.95;

// One line of the table: what was measured, what it is held to, their ratio and its target.
struct Row {
  std::string figure;
  double measured;
  std::string unit;
  std::string against;
  double bound;
  double ratio;
  double target = 0;     // 0: no target, shown for information
  bool atLeast = false;  // the ratio is a gain, which must reach the target
  bool isBound = false;  // against names a bound: work the figure cannot do in less

  bool BoundBroken() const { return isBound && ratio < kLeastBoundRatio; }
  bool Holds() const { return !BoundBroken() && (target == 0 || (atLeast ? ratio >= target : ratio <= target)); }
};

Row PairRow(const std::string& figure, const Pair& pair, const std::string& unit, const std::string& against,
            double target = 0) {
  return {figure, pair.figure, unit, against, pair.bound, pair.ratio, target, false, true};
}

Row LimitRow(const std::string& figure, double measured, const std::string& unit, double limit) {
  return {figure, measured, unit, "limit", limit, measured / limit, 1.0};
}

const char* Verdict(const Row& row) {
  if (row.BoundBroken()) return "BROKEN BOUND";
  if (row.target == 0) return "-";
  return row.Holds() ? "yes" : "NO";
}

// Prints the rows; returns whether every target holds and no bound is broken.
bool Print(const std::vector<Row>& rows) {
  std::printf("%-48s %14s  %-44s %14s %7s %8s  %s\n", "Figure", "Measured", "Bound", "", "Ratio", "Target", "Holds");
  bool allHold = true;
  for (const Row& row : rows) {
    allHold = allHold && row.Holds();
    char target[16] = "-";
    if (row.target > 0) std::snprintf(target, sizeof target, "%s%.2fx", row.atLeast ? ">=" : "<=", row.target);
    std::printf("%-48s %9.3f %-4s  %-44s %9.3f %-4s %6.2fx %8s  %s\n", row.figure.c_str(), row.measured,
                row.unit.c_str(), row.against.c_str(), row.bound, row.unit.c_str(), row.ratio, target, Verdict(row));
  }
  return allHold;
}

void AddCodec(std::vector<Row>& rows, const std::map<std::string, Pair>& pairs) {
  const auto add = [&](const std::string& figure, const std::string& run, const std::string& against, double target) {
    rows.push_back(PairRow(figure, Find(pairs, run), "ms", against, target));
  };
  add("ChecksumStep loop, 8 MiB", "ChecksumStepLoop", "checksum chain, same bytes", 1.35);
  add("unpack literal-heavy 8 MiB", "UnpackAgainstChecksum/literal", "checksum chain over the body", 1.5);
  add("unpack run-heavy 8 MiB", "UnpackAgainstFill/runs", "memset of the unpacked bytes", 2.0);
  add("unpack mixed 8 MiB", "UnpackAgainstChecksum/mixed", "checksum chain over the body", 0);
  add("pack literal-heavy 8 MiB", "PackAgainstChecksum/literal", "checksum chain over bytes written", 2.5);
  add("pack mixed 8 MiB", "PackAgainstChecksum/mixed", "checksum chain over bytes written", 2.5);
  add("pack run-heavy 8 MiB", "PackAgainstChecksum/runs", "checksum chain over bytes written", 0);
}

// Long runs pack to few bytes, but a packer must read all of its input. That
// read takes a fraction of a millisecond and shares the memory with every
// neighbour, so its time moves from run to run: the pair is counted in
// instructions (callgrind), which stay put. Where the read takes a word with
// one OR, the packer must compare it with the run's byte and gather the
// difference.
void AddRunPacking(std::vector<Row>& rows, const Figures& figures) {
  const double packing = Find(figures, "pack_runs_instructions") / 1e6;
  const double reading = Find(figures, "read_runs_instructions") / 1e6;
  rows.push_back(PairRow("pack run-heavy 8 MiB: instructions", {packing, reading, packing / reading}, "M",
                         "one read of the input bytes: instructions", 4.0));
}

void AddListing(std::vector<Row>& rows, const std::map<std::string, Pair>& pairs) {
  rows.push_back(
      PairRow("list 1M segments, file form", Find(pairs, "ListFileAgainstFormat"), "ms", "one snprintf per line", 2.0));
  rows.push_back(
      PairRow("list 1M segments, screen form", Find(pairs, "ListScreenAgainstFormat"), "ms", "one snprintf per line"));
  rows.push_back(PairRow("list 10M segments, file form", Find(pairs, "ListTenMillionAgainstOneMillion"), "ms",
                         "list 1M segments, file form", 12.0));
}

void AddCommands(std::vector<Row>& rows, const Timings& timings) {
  for (const char* command : {"list", "save", "profile"}) {
    const std::string name = std::string("td4 ") + command + ", 1M segments";
    rows.push_back(LimitRow(name + ": wall time", timings.Fastest(command), "s", 1.0));
    rows.push_back(LimitRow(name + ": peak resident", timings.Largest(command), "MB", 150.0));
  }
  // The JSON holds every segment with its fields, so it is held to plain list's time, not to a limit.
  rows.push_back(PairRow("td4 list --json, 1M segments: wall time", timings.Alternated("json", "list"), "s",
                         "td4 list, 1M segments: wall time", 5.0));
  rows.push_back(LimitRow("td4 list --json, 1M segments: peak resident", timings.Largest("json"), "MB", 150.0));
  rows.push_back(LimitRow("td4 list --json, 8.4M segments: peak resident", timings.Largest("level-json"), "MB", 150.0));
  // A file manager runs the thumbnailer for every design a folder shows.
  rows.push_back(LimitRow("td4 thumbnail at 256, sky-high: wall time", timings.Fastest("thumbnail"), "s", 0.1));
  // A picture's memory follows its width: beyond the design itself, which td4 list holds too, it costs little.
  rows.push_back(LimitRow("td4 thumbnail, 8.4M segments: wall time", timings.Fastest("level-thumbnail"), "s", 1.0));
  rows.push_back(LimitRow("td4 thumbnail, 8.4M segments: resident over list",
                          timings.Largest("level-thumbnail") - timings.Largest("level-list"), "MB", 50.0));
}

// A catalogue must read every file of the folder: reading them whole with as
// many threads bounds it, and on several cores it must gain from them about
// as much as the reading does.
void AddCatalog(std::vector<Row>& rows, const Timings& timings, const Figures& figures) {
  const std::string all = std::to_string(int(Find(figures, "catalog_threads"))) + " threads";
  rows.push_back(PairRow("td4 catalog, 100k designs, 1 thread", timings.Alternated("catalog-1", "read-1"), "s",
                         "reading them whole, 1 thread", 1.3));
  rows.push_back(PairRow("td4 catalog, 100k designs, " + all, timings.Alternated("catalog-all", "read-all"), "s",
                         "reading them whole, " + all, 1.3));
  Row gain = PairRow("td4 catalog: gain from 1 to " + all, timings.Gains("catalog-1", "catalog-all", "read-1", "read-all"),
                     "x", "reading: gain from 1 to " + all, 0.85);
  gain.atLeast = true;
  gain.isBound = false;
  rows.push_back(gain);
  rows.push_back(LimitRow("td4 catalog, 100k designs: peak resident",
                          std::max(timings.Largest("catalog-1"), timings.Largest("catalog-all")), "MB", 100.0));
  // More threads wait for memory rather than hold more designs at the size cap.
  const std::string many = std::to_string(4 * int(Find(figures, "catalog_threads"))) + " threads";
  rows.push_back(LimitRow("td4 catalog, designs at the size cap: peak resident, " + many + " over 1",
                          timings.Largest("near-cap-many") / timings.Largest("near-cap-1"), "x", 2.0));
}

void AddDesktop(std::vector<Row>& rows, const Figures& figures) {
  rows.push_back(LimitRow("desktop opens 100k segments and paints", Find(figures, "desktop_open_seconds"), "s", 1.0));
  // The Designs panel fills on worker threads: the window must never wait long for its event loop meanwhile.
  char panel[64];
  std::snprintf(panel, sizeof panel, "Designs panel, 100k rows in %.1f s: longest wait",
                Find(figures, "panel_fill_seconds"));
  rows.push_back(LimitRow(panel, Find(figures, "panel_longest_wait_ms"), "ms", 50.0));
  rows.push_back(LimitRow("Designs panel, scrolling through them with profiles: longest wait",
                          Find(figures, "panel_scroll_longest_wait_ms"), "ms", 50.0));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s RESULTS.json TIMINGS-FOLDER [NAME=VALUE...]\n", argv[0]);
    return EXIT_FAILURE;
  }
  const std::map<std::string, Pair> pairs = ReadPairs(argv[1]);
  const Timings timings(argv[2]);
  const Figures figures = ReadFigures(argc, argv);
  std::vector<Row> rows;
  AddCodec(rows, pairs);
  AddRunPacking(rows, figures);
  AddListing(rows, pairs);
  AddCommands(rows, timings);
  AddCatalog(rows, timings, figures);
  AddDesktop(rows, figures);
  return Print(rows) ? EXIT_SUCCESS : EXIT_FAILURE;
}
