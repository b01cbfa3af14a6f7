// Listing a design of a million (and ten million) segments into memory, in the
// file and the screen form, beside the bound of formatting the same lines.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/BenchDesigns.h"
#include "bench/BenchSetup.h"
#include "listing/ListTrack.h"
#include "trackfile/DecoderDoc.h"

namespace {

constexpr std::int32_t kStartElevation = 1;

// Puts the circuit straight into the document's buffer: ten million segments
// pass the largest design a file may unpack to, and the listing is what is
// measured here, not the loading.
void HoldCircuit(CDecoderDoc& doc, int segmentCount) {
  const std::vector<std::uint8_t> design = BuildDesign(CircuitDescription(segmentCount));
  const std::size_t allocation = (design.size() / CDecoderDoc::kGrowStep + 1) * CDecoderDoc::kGrowStep;
  doc.DeleteContents();
  doc.m_pData = static_cast<std::uint8_t*>(std::malloc(allocation));
  std::memcpy(doc.m_pData, design.data(), design.size());
  doc.m_nDataLen = int(design.size());
  doc.m_nDataAlloc = int(allocation);
  doc.m_bBadChecksum = 0;
  doc.ParseTrackList();
}

// About how many bytes the listing of segmentCount segments takes, so that
// the destinations grow before the clock starts.
std::size_t ListingBytes(int segmentCount) { return std::size_t(segmentCount) * 48; }

class MemoryFile : public IListingFile {
public:
  explicit MemoryFile(std::size_t capacity) { m_text.reserve(capacity); }
  void WriteString(const std::string& text) override { m_text += text; }
  void Clear() { m_text.clear(); }

private:
  std::string m_text;
};

class MemoryScreen : public IListingScreen {
public:
  explicit MemoryScreen(std::size_t capacity) { m_lines.reserve(capacity); }
  void ResetList() override { m_lines.clear(); }
  void SetFieldText(FormField, const std::string&) override {}
  void AddLine(const std::string& line) override {
    m_lines += line;
    m_lines += '\n';
  }

private:
  std::string m_lines;
};

void ListFile(benchmark::State& state) {
  const int segments = int(state.range(0));
  CDecoderDoc doc;
  HoldCircuit(doc, segments);
  MemoryFile file(ListingBytes(segments));
  for (auto _ : state) {
    file.Clear();
    ListTrackToFile(doc, kStartElevation, file);
  }
  CountBytes(state, "segments", std::size_t(segments));
}
BENCHMARK(ListFile)->Arg(1'000'000)->Arg(10'000'000)->Iterations(1)->Apply(FastestOfRepetitions);

void ListScreen(benchmark::State& state) {
  const int segments = int(state.range(0));
  CDecoderDoc doc;
  HoldCircuit(doc, segments);
  MemoryScreen screen(ListingBytes(segments));
  for (auto _ : state) ListTrackToScreen(doc, kStartElevation, screen);
  CountBytes(state, "segments", std::size_t(segments));
}
BENCHMARK(ListScreen)->Arg(1'000'000)->Iterations(1)->Apply(FastestOfRepetitions);

// The file form's line formats, a line feed added: single lines take F, T, S
// and E; grouped lines F, L, C, T, S and E.
const char* LineFormat(const ListingLine& line) {
  static const char* const kSingle[] = {"%04u\t\t\t%s (%i)\n", "%04u\t\t\t%s (%i-%i)\n", "%04u\t\t\t%s (TOO HIGH!)\n",
                                        "%04u\t\t\t%s (TOO LOW!)\n"};
  static const char* const kGrouped[] = {"%04u - %04u\t%u\t%s (%i)\n", "%04u - %04u\t%u\t%s (%i-%i)\n",
                                         "%04u - %04u\t%u\t%s (TOO HIGH!)\n", "%04u - %04u\t%u\t%s (TOO LOW!)\n"};
  return (line.IsGrouped() ? kGrouped : kSingle)[int(line.check)];
}

// The bound: the same lines, their texts already joined, formatted with one
// snprintf each into a buffer allocated beforehand.
void FormatBound(benchmark::State& state) {
  const int segments = int(state.range(0));
  CDecoderDoc doc;
  HoldCircuit(doc, segments);
  const std::vector<ListingLine> lines = ListSegments(doc, kStartElevation);
  std::vector<std::string> texts;
  texts.reserve(lines.size());
  for (const ListingLine& line : lines) texts.push_back(line.Text());
  std::vector<char> buffer(ListingBytes(segments));
  for (auto _ : state) {
    std::size_t used = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const ListingLine& line = lines[i];
      char* const out = buffer.data() + used;
      const std::size_t room = buffer.size() - used;
      const unsigned first = unsigned(line.first) + 1;
      used += std::size_t(line.IsGrouped() ? std::snprintf(out, room, LineFormat(line), first, unsigned(line.last) + 1,
                                                           unsigned(line.Count()), texts[i].c_str(),
                                                           line.startElevation, line.endElevation)
                                           : std::snprintf(out, room, LineFormat(line), first, texts[i].c_str(),
                                                           line.startElevation, line.endElevation));
    }
    benchmark::DoNotOptimize(buffer.data());
  }
  CountBytes(state, "segments", std::size_t(segments));
  CountBytes(state, "lines", lines.size());
}
BENCHMARK(FormatBound)->Arg(1'000'000)->Iterations(1)->Apply(FastestOfRepetitions);

}  // namespace
