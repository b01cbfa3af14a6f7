// Prints one table of every benchmark figure beside the bound it is held to,
// with their ratio and whether the target holds. Reads the benchmarks' JSON
// (the "min" aggregate of each) and figures measured from the outside, given
// as NAME=VALUE arguments. Exits 1 when a target does not hold.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace {

struct Run {
  double ms = 0;  // processor time
  std::map<std::string, double> counters;
};

using Runs = std::map<std::string, Run>;
using Figures = std::map<std::string, double>;

double Milliseconds(double time, const std::string& unit) {
  if (unit == "ns") return time / 1e6;
  if (unit == "us") return time / 1e3;
  if (unit == "s") return time * 1e3;
  return time;
}

Runs ReadRuns(const char* path) {
  std::ifstream in(path);
  const nlohmann::json results = nlohmann::json::parse(in);
  Runs runs;
  for (const nlohmann::json& entry : results.at("benchmarks")) {
    if (entry.value("aggregate_name", "") != "min") continue;
    Run& run = runs[entry.at("run_name").get<std::string>()];
    run.ms = Milliseconds(entry.at("cpu_time").get<double>(), entry.at("time_unit").get<std::string>());
    for (const auto& [key, value] : entry.items())
      if (value.is_number() && key != "cpu_time" && key != "real_time") run.counters[key] = value.get<double>();
  }
  return runs;
}

Figures ReadFigures(int argc, char* argv[]) {
  Figures figures;
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    const std::size_t equals = argument.find('=');
    if (equals != std::string::npos) figures[argument.substr(0, equals)] = std::stod(argument.substr(equals + 1));
  }
  return figures;
}

const Run& Find(const Runs& runs, const std::string& name) {
  const auto found = runs.find(name);
  if (found == runs.end()) {
    std::fprintf(stderr, "no result for %s\n", name.c_str());
    std::exit(EXIT_FAILURE);
  }
  return found->second;
}

double Figure(const Figures& figures, const std::string& name) {
  const auto found = figures.find(name);
  if (found == figures.end()) {
    std::fprintf(stderr, "no figure %s\n", name.c_str());
    std::exit(EXIT_FAILURE);
  }
  return found->second;
}

// One line of the table: what was measured, what it is held to, and the largest ratio allowed.
struct Row {
  std::string figure;
  double measured;
  std::string unit;
  std::string against;
  double bound;
  double target;  // 0: no target, shown for information
};

class Table {
public:
  explicit Table(const Runs& runs) : m_runs(runs) {}

  // A bound measured per byte, scaled to the bytes a figure covers.
  double PerByte(const std::string& bound, const std::string& run, const std::string& counter) const {
    const Run& reference = Find(m_runs, bound);
    return reference.ms / reference.counters.at("bytes") * Find(m_runs, run).counters.at(counter);
  }

  double Ms(const std::string& run) const { return Find(m_runs, run).ms; }
  double Counter(const std::string& run, const std::string& counter) const {
    return Find(m_runs, run).counters.at(counter);
  }

  void Add(Row row) { m_rows.push_back(std::move(row)); }

  // Prints the rows; returns whether every target holds.
  bool Print() const {
    std::printf("%-42s %12s  %-38s %12s %7s %7s  %s\n", "Figure", "Measured", "Bound", "", "Ratio", "Target", "Holds");
    bool allHold = true;
    for (const Row& row : m_rows) {
      if (row.against.empty()) {
        std::printf("%-42s %9.3f %-2s  (a bound)\n", row.figure.c_str(), row.measured, row.unit.c_str());
        continue;
      }
      const double ratio = row.measured / row.bound;
      const bool holds = row.target == 0 || ratio <= row.target;
      allHold = allHold && holds;
      char target[16] = "-";
      if (row.target > 0) std::snprintf(target, sizeof target, "%.2fx", row.target);
      std::printf("%-42s %9.3f %-2s  %-38s %9.3f %-2s %6.2fx %7s  %s\n", row.figure.c_str(), row.measured,
                  row.unit.c_str(), row.against.c_str(), row.bound, row.unit.c_str(), ratio, target,
                  row.target == 0 ? "-" : holds ? "yes" : "NO");
    }
    return allHold;
  }

private:
  const Runs& m_runs;
  std::vector<Row> m_rows;
};

void AddBounds(Table& table) {
  const char* const bounds[][2] = {{"ChecksumChainBound", "checksum chain (add, rotate), 8 MiB"},
                                   {"MemsetBound", "memset, 8 MiB"},
                                   {"MemcpyBound", "memcpy, 8 MiB"},
                                   {"ReadBound", "one read of every byte, 8 MiB"},
                                   {"FormatBound/1000000/iterations:1", "one snprintf per line, 1M segments"}};
  for (const auto& [run, figure] : bounds) table.Add({figure, table.Ms(run), "ms", "", 0, 0});
}

// The benchmarks' three kinds of design, by the name of their runs.
struct DesignKind {
  const char* run;
  const char* label;
};
constexpr DesignKind kKinds[] = {{"literal", "literal-heavy"}, {"runs", "run-heavy"}, {"mixed", "mixed"}};

void AddCodec(Table& table) {
  table.Add({"ChecksumStep loop, 8 MiB", table.Ms("ChecksumStepLoop"), "ms", "checksum chain, same bytes",
             table.PerByte("ChecksumChainBound", "ChecksumStepLoop", "bytes"), 1.35});
  for (const DesignKind& kind : kKinds) {
    const std::string run = std::string("Unpack/") + kind.run;
    const std::string figure = std::string("unpack ") + kind.label + " 8 MiB";
    // Repeat runs write many bytes from few: memset bounds them, the checksum chain the others.
    if (kind.run == std::string("runs"))
      table.Add({figure, table.Ms(run), "ms", "memset of the unpacked bytes",
                 table.PerByte("MemsetBound", run, "unpacked_bytes"), 2.0});
    else
      table.Add({figure, table.Ms(run), "ms", "checksum chain over the body",
                 table.PerByte("ChecksumChainBound", run, "body_bytes"),
                 kind.run == std::string("literal") ? 1.5 : 0});
  }
  for (const DesignKind& kind : kKinds) {
    const std::string run = std::string("Pack/") + kind.run;
    table.Add({std::string("pack ") + kind.label + " 8 MiB", table.Ms(run), "ms", "checksum chain over bytes written",
               table.PerByte("ChecksumChainBound", run, "body_bytes"), 2.5});
  }
  // Finding where runs end means reading every byte, which for long runs costs
  // more than writing their few bytes.
  table.Add({"pack run-heavy 8 MiB", table.Ms("Pack/runs"), "ms", "one read of every byte",
             table.PerByte("ReadBound", "Pack/runs", "unpacked_bytes"), 0});
}

void AddListing(Table& table) {
  const std::string million = "ListFile/1000000/iterations:1";
  const std::string bound = "FormatBound/1000000/iterations:1";
  table.Add({"list 1M segments, file form", table.Ms(million), "ms", "one snprintf per line", table.Ms(bound), 2.0});
  table.Add({"list 1M segments, screen form", table.Ms("ListScreen/1000000/iterations:1"), "ms",
             "one snprintf per line", table.Ms(bound), 0});
  table.Add({"list 10M segments, file form", table.Ms("ListFile/10000000/iterations:1"), "ms",
             "list 1M segments, file form", table.Ms(million), 12.0});
}

void AddOutside(Table& table, const Figures& figures) {
  for (const char* command : {"list", "save", "profile"}) {
    const std::string name = std::string("td4 ") + command + ", 1M segments";
    table.Add({name + ": wall time", Figure(figures, std::string("td4_") + command + "_seconds"), "s", "limit", 1.0,
               1.0});
    table.Add({name + ": peak resident", Figure(figures, std::string("td4_") + command + "_megabytes"), "MB",
               "limit", 150.0, 1.0});
  }
  // The JSON holds every segment with its fields, so it is held to plain list's time, not to a limit.
  table.Add({"td4 list --json, 1M segments: wall time", Figure(figures, "td4_json_seconds"), "s",
             "td4 list, 1M segments: wall time", Figure(figures, "td4_list_seconds"), 5.0});
  table.Add({"td4 list --json, 1M segments: peak resident", Figure(figures, "td4_json_megabytes"), "MB", "limit",
             150.0, 1.0});
  table.Add({"td4 list --json, 8.4M segments: peak resident", Figure(figures, "td4_level_json_megabytes"), "MB",
             "limit", 150.0, 1.0});
  // A file manager runs the thumbnailer for every design a folder shows.
  table.Add({"td4 thumbnail at 256, sky-high: wall time", Figure(figures, "td4_thumbnail_seconds"), "s", "limit",
             0.1, 1.0});
  table.Add({"desktop opens 100k segments and paints", Figure(figures, "desktop_open_seconds"), "s", "limit", 1.0,
             1.0});
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s RESULTS.json [NAME=VALUE...]\n", argv[0]);
    return EXIT_FAILURE;
  }
  const Runs runs = ReadRuns(argv[1]);
  const Figures figures = ReadFigures(argc, argv);
  Table table(runs);
  AddBounds(table);
  AddCodec(table);
  AddListing(table);
  AddOutside(table, figures);
  return table.Print() ? EXIT_SUCCESS : EXIT_FAILURE;
}
