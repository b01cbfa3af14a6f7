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

// A circuit held in a document, listed in the file form into memory.
struct FileListing {
  explicit FileListing(int segmentCount) : file(ListingBytes(segmentCount)) { HoldCircuit(doc, segmentCount); }

  void operator()() {
    file.Clear();
    ListTrackToFile(doc, kStartElevation, file);
  }

  CDecoderDoc doc;
  MemoryFile file;
};

// The file form's line formats, a line feed added: single lines take F, T, S
// and E; grouped lines F, L, C, T, S and E.
const char* LineFormat(const ListingLine& line) {
  static const char* const kSingle[] = {"%04u\t\t\t%s (%i)\n", "%04u\t\t\t%s (%i-%i)\n", "%04u\t\t\t%s (TOO HIGH!)\n",
                                        "%04u\t\t\t%s (TOO LOW!)\n"};
  static const char* const kGrouped[] = {"%04u - %04u\t%u\t%s (%i)\n", "%04u - %04u\t%u\t%s (%i-%i)\n",
                                         "%04u - %04u\t%u\t%s (TOO HIGH!)\n", "%04u - %04u\t%u\t%s (TOO LOW!)\n"};
  return (line.IsGrouped() ? kGrouped : kSingle)[int(line.check)];
}

// The bound of a listing: its lines, their texts already joined, formatted
// with one snprintf each into a buffer allocated beforehand.
class FormatBound {
public:
  explicit FormatBound(CDecoderDoc& doc)
      : m_lines(ListSegments(doc, kStartElevation)), m_buffer(ListingBytes(doc.m_nSegments)) {
    m_texts.reserve(m_lines.size());
    for (const ListingLine& line : m_lines) m_texts.push_back(line.Text());
  }

  void operator()() {
    std::size_t used = 0;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
      const ListingLine& line = m_lines[i];
      char* const out = m_buffer.data() + used;
      const std::size_t room = m_buffer.size() - used;
      const unsigned first = unsigned(line.first) + 1;
      used += std::size_t(line.IsGrouped() ? std::snprintf(out, room, LineFormat(line), first, unsigned(line.last) + 1,
                                                           unsigned(line.Count()), m_texts[i].c_str(),
                                                           line.startElevation, line.endElevation)
                                           : std::snprintf(out, room, LineFormat(line), first, m_texts[i].c_str(),
                                                           line.startElevation, line.endElevation));
    }
    benchmark::DoNotOptimize(m_buffer.data());
  }

private:
  std::vector<ListingLine> m_lines;
  std::vector<std::string> m_texts;
  std::vector<char> m_buffer;
};

void ListFileAgainstFormat(benchmark::State& state) {
  FileListing listing(1'000'000);
  FormatBound format(listing.doc);
  TimeAgainstBound(state, listing, format);
}
BENCHMARK(ListFileAgainstFormat)->Apply(OnePairPerRepetition);

void ListScreenAgainstFormat(benchmark::State& state) {
  constexpr int kSegments = 1'000'000;
  CDecoderDoc doc;
  HoldCircuit(doc, kSegments);
  MemoryScreen screen(ListingBytes(kSegments));
  FormatBound format(doc);
  TimeAgainstBound(
      state, [&] { ListTrackToScreen(doc, kStartElevation, screen); }, format);
}
BENCHMARK(ListScreenAgainstFormat)->Apply(OnePairPerRepetition);

// Ten times the segments may cost little more than ten times the time: nothing
// in the listing grows faster than the design.
void ListTenMillionAgainstOneMillion(benchmark::State& state) {
  FileListing large(10'000'000);
  FileListing small(1'000'000);
  TimeAgainstBound(state, large, small);
}
BENCHMARK(ListTenMillionAgainstOneMillion)->Apply(OnePairPerRepetition);

}  // namespace
