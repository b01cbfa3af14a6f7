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

struct CatalogFormat {
  std::string header;
  std::string (*row)(const DesignSummary&);
};

CatalogFormat FormatOf(const CommandLine& line) {
  if (line.json) return {"", CatalogJsonLine};
  if (line.csv) return {CatalogCsvHeader(), CatalogCsvRow};
  return {CatalogTableHeader(), CatalogTableRow};
}

void Write(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

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
    SummariseInOrder(
        designs, line.jobs,
        [&](DesignSummary&& summary) {
          allFit = allFit && summary.Fits();
          sameTrack.Place(summary);
          progress.BeforeRow();
          if (!line.sameTrack || !summary.sameTrackAs.empty()) Write(format.row(summary));
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
