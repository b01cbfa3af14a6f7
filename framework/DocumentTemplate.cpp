#include "framework/DocumentTemplate.h"

#include <filesystem>
#include <new>

#include "framework/AppInfo.h"
#include "framework/Archive.h"
#include "framework/Exceptions.h"
#include "framework/FileAccess.h"
#include "framework/MessageBox.h"

namespace {

MessageBoxRequest FailureReport(const CException& failure) {
  return {FailureReportText(failure), kAppTitle, MB_OK | MB_ICONEXCLAMATION, MessageOwner::MainWindow};
}

}  // namespace

void CSingleDocTemplate::OnFileNew() {
  m_bReplaceAgreed = false;
  m_document.OnNewDocument();
  m_host.OnInitialUpdate();
}

bool CSingleDocTemplate::OpenDocumentFile(const std::string& path) {
  // Opening the file already shown only brings the window forward: the
  // design on screen, and any unsaved change to it, stay as they are. A
  // refused file never becomes the document's, so opening it again reads it again.
  if (IsSameFile(m_document.GetPathName(), path)) return true;
  if (!SaveModified()) return false;

  FilePrefix file;
  try {
    file = ReadFilePrefix(path, m_document.MaxLoadLength());
  } catch (const CException& failure) {
    ReportFailure(failure);
    return false;
  }
  return LoadDocument(file.bytes, file.length, path);
}

bool CSingleDocTemplate::LoadDocument(std::span<const std::uint8_t> bytes, std::uint64_t fileLength,
                                      const std::string& path) {
  const Outcome outcome = Load(bytes, fileLength, path, AskThroughMessageBox);
  if (outcome.kind == Outcome::Kind::Refused) ShowMessageBox(outcome.message);
  m_host.OnInitialUpdate();
  return !outcome.readFailed;
}

Outcome CSingleDocTemplate::Load(std::span<const std::uint8_t> bytes, std::uint64_t fileLength,
                                 const std::string& path, const AskQuestion& ask) {
  m_bReplaceAgreed = false;
  m_document.DeleteContents();
  m_document.SetModifiedFlag(true);
  Outcome outcome;
  try {
    if (fileLength != 0) {
      CArchive archive(bytes, fileLength, path);
      outcome = m_document.Load(archive, ask);
    }
  } catch (const CException& failure) {
    return ReadFailure(failure);
  } catch (const std::bad_alloc&) {
    return ReadFailure(CMemoryException());
  }
  m_document.SetModifiedFlag(false);
  if (m_document.IsEmpty()) {
    // Refused, or an empty file: the window must not name a file whose
    // design it does not show.
    m_document.ClearPathName();
    m_document.SetTitle(kUntitledTitle);
  } else {
    m_document.SetPathName(path);
  }
  return outcome;
}

Outcome CSingleDocTemplate::ReadFailure(const CException& failure) {
  // Nothing of the failed file is left; the empty untitled document takes
  // its place rather than the name of a file that is not loaded.
  m_document.OnNewDocument();
  Outcome outcome = Outcome::Refusal(FailureReport(failure));
  outcome.readFailed = true;
  return outcome;
}

bool CSingleDocTemplate::DoSave(const std::string& path) {
  // The store path clears the modified flag before the file is written; a
  // failed write must not leave unsaved changes looking saved.
  const bool wasModified = m_document.IsModified();
  try {
    // The document's own file is what the design was read from: a save may
    // take its place, never write into it.
    CSafeOutputFile file(path, COutputGuard({m_document.GetPathName()}, OutputKind::Design));
    CArchive archive([&file](std::span<const std::uint8_t> bytes) { file.Write(bytes); });
    m_document.Serialize(archive);
    archive.Flush();
    file.Commit();
  } catch (const CException& failure) {
    m_document.SetModifiedFlag(wasModified);
    ReportFailure(failure);
    return false;
  } catch (const std::bad_alloc&) {
    m_document.SetModifiedFlag(wasModified);
    ReportFailure(CMemoryException());
    return false;
  }
  m_document.SetModifiedFlag(false);
  m_document.SetPathName(path);
  m_bReplaceAgreed = true;
  m_host.OnTitleChanged();
  return true;
}

bool CSingleDocTemplate::SaveModified() {
  if (!m_document.IsModified()) return true;
  const std::string prompt = "Save changes to " + m_document.GetTitle() + "?";
  switch (ShowMessageBox(prompt, kAppTitle, MB_YESNOCANCEL | MB_ICONQUESTION, MessageOwner::MainWindow)) {
    case IDYES:
      // The question named the file: Yes is the agreement to replace it.
      return SaveToOwnFile(false);
    case IDNO:
      return true;
    default:
      return false;
  }
}

bool CSingleDocTemplate::OnFileSave() { return SaveToOwnFile(true); }

bool CSingleDocTemplate::SaveToOwnFile(bool askBeforeReplacing) {
  const std::string path = m_document.GetPathName();
  if (path.empty() || !IsWritableFile(path)) {
    // A file that is there but may not be written: say why Save As comes instead.
    std::error_code error;
    if (!path.empty() && std::filesystem::exists(path, error))
      ShowMessageBox(m_document.GetTitle() + " is read-only.", kAppTitle, MB_OK | MB_ICONEXCLAMATION,
                     MessageOwner::MainWindow);
    const std::optional<std::string> chosen = m_host.PromptSaveAsPath();
    return chosen && DoSave(*chosen);
  }
  // The start-up warning promises a question before an existing file is overwritten.
  if (askBeforeReplacing && !m_bReplaceAgreed &&
      ShowMessageBox("Replace " + m_document.GetTitle() + " with the changed design?", kAppTitle,
                     MB_YESNO | MB_ICONQUESTION, MessageOwner::MainWindow) != IDYES)
    return false;
  return DoSave(path);
}

void CSingleDocTemplate::ReportFailure(const CException& failure) { ShowMessageBox(FailureReport(failure)); }
