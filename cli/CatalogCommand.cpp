#include "cli/CatalogCommand.h"

#include <atomic>
#include <cstdio>

#include "catalog/Catalogue.h"
#include "catalog/SameTrack.h"
#include "cli/CatalogCsv.h"
#include "cli/CatalogJson.h"
#include "cli/CatalogProgress.h"
#include "cli/CatalogTable.h"
#include "cli/Commands.h"
#include "cli/ConsoleListing.h"

namespace {

// A design's row comes in two parts: what its own summary gives, made on the
// thread that summarised it, and what comes of the designs before it, made
// in their order.
struct CatalogFormat {
  std::string header;
  std::string (*rowStart)(const DesignSummary&);
  std::string (*rowEnd)(const DesignSummary&);
};

std::string Nothing(const DesignSummary&) { return {}; }

CatalogFormat FormatOf(const CommandLine& line) {
  if (line.json) return {"", CatalogJsonLineStart, CatalogJsonLineEnd};
  if (line.csv) return {CatalogCsvHeader(), CatalogCsvRowStart, CatalogCsvRowEnd};
  return {CatalogTableHeader(), CatalogTableRow, Nothing};
}

void Write(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// A summary and the start of its row.
struct StartedRow {
  DesignSummary summary;
  std::string start;
};

}  // namespace

int RunCatalog(const CommandLine& line) {
  const std::vector<DesignEntry> designs = FindDesigns(line.files, line.recursive);
  const CatalogFormat format = FormatOf(line);
  Write(format.header);
  bool allFit = true;
  // Once standard output refuses bytes, the designs still to come would be summarised for nothing.
  std::atomic<bool> outputFailed = false;
  {
    CatalogProgress progress(designs.size());
    std::size_t done = 0;
    SameTrackFinder sameTrack;
    SummariseInOrder<StartedRow>(
        designs, line.jobs,
        [&](DesignSummary&& summary) {
          std::string start = format.rowStart(summary);
          return StartedRow{std::move(summary), std::move(start)};
        },
        [&](StartedRow&& row) {
          allFit = allFit && row.summary.Fits();
          sameTrack.Place(row.summary);
          progress.BeforeRow();
          if (!line.sameTrack || !row.summary.sameTrackAs.empty()) {
            Write(row.start);
            Write(format.rowEnd(row.summary));
          }
          progress.AfterRow(++done);
          if (std::ferror(stdout)) outputFailed = true;
        },
        &outputFailed,
        // A slow design must not hold back the rows before it.
        [] { std::fflush(stdout); });
  }
  if (!FlushStandardOutput()) return kExitFailure;
  return allFit ? kExitSuccess : kExitOutOfRange;
}
