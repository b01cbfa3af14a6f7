#include "cli/DesignSession.h"

#include <new>

#include "framework/AppInfo.h"
#include "framework/Exceptions.h"
#include "listing/ExportFile.h"

namespace {

// A refusal of td4's own; only its text is ever shown.
Outcome Refusal(std::string text) {
  return Outcome::Refusal({std::move(text), kAppTitle, MB_OK | MB_ICONEXCLAMATION, MessageOwner::MainWindow});
}

}  // namespace

DesignSession::DesignSession(bool answerYes)
    : m_bAnswerYes(answerYes), m_box(answerYes), m_installed(m_box), m_template(m_doc, *this) {
  m_template.OnFileNew();
}

bool DesignSession::Load(const std::string& path) {
  if (!Report(path, LoadBytes(path), "--yes loads it anyway")) return false;
  // The document takes an empty file, or one with an empty body, without a
  // word; a command that has nothing to work on says so.
  if (m_doc.IsEmpty()) return Report(path, Refusal(kEmptyDesignMessage), "");
  return true;
}

// Not the framework's open sequence: its shortcut for the file already open
// would show one design under the name of another in a batch of files.
Outcome DesignSession::LoadBytes(const std::string& path) {
  try {
    const FilePrefix& file = Read(path);
    return m_template.Load(file.bytes, file.length, path, Asker(path));
  } catch (const CException& failure) {
    return Refusal(FailureReportText(failure));
  } catch (const std::bad_alloc&) {
    return Refusal(FailureReportText(CMemoryException()));
  }
}

AskQuestion DesignSession::Asker(const std::string& file) const {
  return [this, file](const MessageBoxRequest& question) {
    PrintMessage(file, question.text);
    return m_bAnswerYes;
  };
}

bool DesignSession::Report(const std::string& file, const Outcome& outcome, const std::string& declinedHint) {
  switch (outcome.kind) {
    case Outcome::Kind::Done:
      return true;
    case Outcome::Kind::Refused:
      PrintMessage(file, outcome.message.text);
      break;
    case Outcome::Kind::Declined:
      if (!declinedHint.empty()) PrintMessage(file, "answered No; " + declinedHint);
      break;
  }
  m_bFailed = true;
  return false;
}
const FilePrefix& DesignSession::Read(const std::string& path) {
  const std::uint64_t maxBytes = m_doc.MaxLoadLength();
  if (path != kStandardStreamName) {
    m_file = {};  // the last file's bytes go before the next one's arrive
    return m_file = ReadFilePrefix(path, maxBytes);
  }
  if (!m_standardInput) m_standardInput = ReadFilePrefix(path, maxBytes);
  return *m_standardInput;
}

bool DesignSession::Change(TrackCommand change, const std::string& declinedHint) {
  const std::string file = m_doc.GetPathName();
  return Report(file, change(m_doc, Asker(file)), declinedHint);
}

bool DesignSession::Save(const std::string& output) {
  return WriteTo(output, [&] { return m_template.DoSave(output); });
}

bool DesignSession::Export(std::int32_t startElevation, const std::string& output) {
  const ExportOutcome outcome = ExportListing(m_doc, startElevation, output);
  return outcome.result == ExportOutcome::Written || Report(output, Refusal(outcome.reason), "");
}
