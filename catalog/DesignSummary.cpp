#include "catalog/DesignSummary.h"

#include <algorithm>
#include <functional>
#include <new>
#include <span>

#include "framework/DocumentTemplate.h"
#include "framework/Exceptions.h"
#include "framework/FileAccess.h"
#include "framework/Outcome.h"
#include "trackfile/DecoderDoc.h"
#include "vocabulary/SegmentCodes.h"

namespace {

// A user who wants to see the design at all answers Yes to every question.
bool AnswerYes(const MessageBoxRequest&) { return true; }

// A summary needs no window to refresh and never saves.
class NoHost : public IDocumentHost {
public:
  void OnInitialUpdate() override {}
  void OnTitleChanged() override {}
  std::optional<std::string> PromptSaveAsPath() override { return std::nullopt; }
};

ChecksumState ChecksumOf(const CDecoderDoc& doc) {
  if (doc.m_bBadChecksum) return ChecksumState::Wrong;
  return doc.m_bAltChecksum ? ChecksumState::Alternative : ChecksumState::Normal;
}

void SummariseLoaded(CDecoderDoc& doc, DesignSummary& summary) {
  summary.loaded = true;
  summary.header = ReadListingHeader(doc);
  summary.vehicles = ReadVehicleCount(doc);
  summary.edition = EditionLabel(doc);
  summary.checksum = ChecksumOf(doc);
  summary.segments = doc.m_nSegments;
  const std::span segments(doc.m_pSegments.get(), std::size_t(doc.m_nSegments));
  summary.chainLift = std::ranges::any_of(segments, [](const TrackSegment& s) {
    return (s.flags & SegmentFlag::ChainLift) != 0;
  });
  summary.launchedLiftHill = std::ranges::any_of(segments, [](const TrackSegment& s) {
    return s.code == SegmentCode::LaunchedLiftHill;
  });
  summary.openCircuit = doc.m_bOpenCircuit != 0;
  summary.reverseRefused = !doc.CanReverse();
  const ElevationExtent extent = MeasureElevations(doc, kLowestBuildableElevation);
  if (!extent.IsEmpty()) {
    summary.lowest = extent.Lowest();
    summary.highest = extent.Highest();
  }
  summary.fit = extent.FittingStarts();
  summary.track = IdentifyTrack(doc);
}

// What loading a design file told: nothing when it loaded, else the message
// that tells why not; thrown when the load ended in a failure report.
struct LoadOutcome {
  std::string message;
  bool thrown = false;
};

// Reads and loads the design at path through the program's own load path,
// answering Yes to every question, hands the loaded design to use, and sets
// size to the file's length. The read holds its share of budget (when given)
// until the design is gone.
LoadOutcome LoadDesign(const std::string& path, std::uint64_t& size, const std::function<void(CDecoderDoc&)>& use,
                       ReadBudget* budget) {
  ReadBudget::Share share;
  CDecoderDoc doc;
  NoHost host;
  CSingleDocTemplate loader(doc, host);
  try {
    const FilePrefix file = ReadRegularFilePrefix(path, doc.MaxLoadLength(), [&](std::uint64_t bytes) {
      if (budget) share = budget->Take(CDecoderDoc::MostUnpackedFrom(bytes));
    });
    size = file.length;
    const Outcome outcome = loader.Load(file.bytes, file.length, path, AnswerYes);
    if (!outcome.IsDone()) return {outcome.message.text};
    if (doc.IsEmpty()) return {kEmptyDesignMessage};
    use(doc);
    return {};
  } catch (const CException& failure) {
    return {FailureReportText(failure), true};
  } catch (const std::bad_alloc&) {
    return {FailureReportText(CMemoryException()), true};
  }
}

}  // namespace

DesignSummary UnreadableDesign(const std::string& path, std::string message) {
  DesignSummary summary;
  summary.path = path;
  summary.message = std::move(message);
  return summary;
}

DesignSummary SummariseDesign(const std::string& path, ReadBudget* budget) {
  DesignSummary summary;
  summary.path = path;
  LoadOutcome outcome =
      LoadDesign(path, summary.size, [&](CDecoderDoc& doc) { SummariseLoaded(doc, summary); }, budget);
  if (outcome.thrown) return UnreadableDesign(path, std::move(outcome.message));
  summary.message = std::move(outcome.message);
  return summary;
}

void WithLoadedDesign(const std::string& path, const std::function<void(CDecoderDoc&)>& use) {
  std::uint64_t size = 0;
  LoadDesign(path, size, use, nullptr);
}
