#include "cli/DesignSession.h"

#include <new>

#include "framework/AppInfo.h"
#include "framework/Exceptions.h"
#include "listing/ExportFile.h"

namespace {

void ReportFailure(const std::string& text) {
  ShowMessageBox(text, kAppTitle, MB_OK | MB_ICONEXCLAMATION, MessageOwner::MainWindow);
}

}  // namespace

DesignSession::DesignSession(bool answerYes) : m_box(answerYes), m_installed(m_box), m_template(m_doc, *this) {
  m_template.OnFileNew();
}

bool DesignSession::Load(const std::string& path) {
  const MessageSubject subject(m_box, path, "--yes loads it anyway");
  const int failuresBefore = m_box.Failures();
  if (!LoadBytes(path) || m_box.Failures() > failuresBefore) return false;
  // The document takes an empty file, or one with an empty body, without a
  // word; a command that has nothing to work on says so.
  if (!m_doc.m_pData) {
    ShowMessageBox(kEmptyDesignMessage, kAppTitle, MB_OK | MB_ICONINFORMATION,
                   MessageOwner::MainWindow);
    return false;
  }
  return true;
}

// Not the framework's open sequence: its shortcut for the file already open
// would show one design under the name of another in a batch of files.
bool DesignSession::LoadBytes(const std::string& path) {
  try {
    const FilePrefix& file = Read(path);
    return m_template.LoadDocument(file.bytes, file.length, path);
  } catch (const CException& failure) {
    ReportFailure(FailureReportText(failure));
  } catch (const std::bad_alloc&) {
    ReportFailure(FailureReportText(CMemoryException()));
  }
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

bool DesignSession::Change(bool (*change)(CDecoderDoc&), const std::string& declinedHint) {
  const MessageSubject subject(m_box, m_doc.GetPathName(), declinedHint);
  return change(m_doc);
}

bool DesignSession::Save(const std::string& output) {
  return WriteTo(output, [&] { return m_template.DoSave(output); });
}

bool DesignSession::Export(std::int32_t startElevation, const std::string& output) {
  return WriteTo(output, [&] { return ExportListing(m_doc, startElevation, output); });
}
