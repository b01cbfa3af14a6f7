// Feeds any bytes through the real load path, then lists, mirrors, reverses,
// stores and reloads the design, checking what must hold for every file.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "framework/Archive.h"
#include "framework/DocumentTemplate.h"
#include "framework/Outcome.h"
#include "listing/ListTrack.h"
#include "trackfile/DecoderDoc.h"
#include "trackfile/TrackCommands.h"

namespace {

// Answers Yes to every question, as a user who wants to see everything would.
struct AnswerYes {
  bool operator()(const MessageBoxRequest& question) {
    if (question.text.rfind("Checksum calculation failed.", 0) == 0) ++*checksumQuestions;
    return true;
  }
  int* checksumQuestions;
};

class NoHost : public IDocumentHost {
public:
  void OnInitialUpdate() override {}
  void OnTitleChanged() override {}
  std::optional<std::string> PromptSaveAsPath() override { return std::nullopt; }
};

class NoScreen : public IListingScreen {
public:
  void ResetList() override {}
  void SetFieldText(FormField, const std::string&) override {}
  void AddLine(const std::string&) override {}
};

class NoFile : public IListingFile {
public:
  void WriteString(const std::string&) override {}
};

void Require(bool condition) {
  if (!condition) std::abort();
}

using Bytes = std::vector<std::uint8_t>;

Bytes DesignBytes(const CDecoderDoc& doc) { return {doc.m_pData, doc.m_pData + doc.m_nDataLen}; }

std::vector<std::uint16_t> Entries(const CDecoderDoc& doc) {
  std::vector<std::uint16_t> entries;
  for (int i = 0; i < doc.m_nSegments; ++i)
    entries.push_back(std::uint16_t(doc.m_pSegments[i].code << 8 | doc.m_pSegments[i].flags));
  return entries;
}

// True when second is first turned by some number of places.
bool SameCircle(const std::vector<std::uint16_t>& first, const std::vector<std::uint16_t>& second) {
  if (first.size() != second.size()) return false;
  if (first.empty()) return true;
  std::vector<std::uint16_t> twice = first;
  twice.insert(twice.end(), first.begin(), first.end());
  return std::search(twice.begin(), twice.end(), second.begin(), second.end()) != twice.end();
}

bool Load(CDecoderDoc& doc, const std::uint8_t* data, std::size_t size, const AskQuestion& ask) {
  NoHost host;
  CSingleDocTemplate docTemplate(doc, host);
  const std::size_t inMemory = std::min<std::uint64_t>(size, doc.MaxLoadLength());
  return !docTemplate.Load({data, inMemory}, size, "fuzz.td4", ask).readFailed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  int checksumQuestions = 0;
  const AskQuestion answerYes = AnswerYes{&checksumQuestions};
  CDecoderDoc doc;
  if (!Load(doc, data, size, answerYes) || doc.m_nDataLen == 0) return 0;
  Require(doc.m_nDataLen <= CDecoderDoc::kMaxDesignLength);

  NoScreen screen;
  NoFile file;
  for (const std::int32_t start : {1, 61}) {
    ListTrackToScreen(doc, start, screen);
    ListTrackToFile(doc, start, file);
  }
  if (doc.m_nSegments == 0) return 0;

  const Bytes beforeMirror = DesignBytes(doc);
  RunMirrorTrackCommand(doc, answerYes);
  RunMirrorTrackCommand(doc, answerYes);
  Require(DesignBytes(doc) == beforeMirror);

  RunReverseTrackCommand(doc, answerYes);
  ListTrackToScreen(doc, 1, screen);

  Bytes stored;
  CArchive archive(stored);
  doc.Serialize(archive);
  const Bytes design = DesignBytes(doc);

  CDecoderDoc reloaded;
  const int questionsBefore = checksumQuestions;
  Require(Load(reloaded, stored.data(), stored.size(), answerYes));
  Require(checksumQuestions == questionsBefore);
  Require(reloaded.m_bBadChecksum == 0);
  // Loading may start the circuit at another piece, but never changes a piece or its place in the circle.
  Require(SameCircle(Entries(doc), Entries(reloaded)));
  Require(reloaded.m_nDataLen == doc.m_nDataLen);
  const std::ptrdiff_t listStart = doc.m_pTrackList - doc.m_pData;
  const std::ptrdiff_t listEnd = listStart + 2 * doc.m_nSegments;
  Require(std::equal(design.begin(), design.begin() + listStart, reloaded.m_pData));
  Require(std::equal(design.begin() + listEnd, design.end(), reloaded.m_pData + listEnd));
  return 0;
}
