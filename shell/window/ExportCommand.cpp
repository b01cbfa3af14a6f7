// The Export command of the decoder view.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "framework/AppInfo.h"
#include "framework/MessageBox.h"
#include "listing/ExportFile.h"
#include "shell/window/DecoderView.h"
#include "shell/dialogs/ExportDlg.h"
#include "trackfile/DecoderDoc.h"

namespace {
// The name offered first: the document's title as a text file, in the design's
// own folder. Offering the title itself ("track.td4") would put the design file
// one keystroke away from being overwritten by its own listing.
QString InitialExportName(const CDecoderDoc& document) {
  const QString title = QString::fromStdString(document.GetTitle());
  const std::string& path = document.GetPathName();
  if (title.isEmpty() || path.empty()) return title;
  const QString textName = QFileInfo(title).completeBaseName() + QStringLiteral(".txt");
  return QFileInfo(QFile::decodeName(path.c_str())).dir().filePath(textName);
}

void ShowExportMessage(const std::string& text, const char* caption) {
  ShowMessageBox(text, caption, MB_OK | MB_ICONINFORMATION, MessageOwner::View);
}

// The export command's own words for a failure; a file that could not be
// completed is the framework's report.
void ReportExportFailure(const ExportOutcome& outcome) {
  switch (outcome.result) {
    case ExportOutcome::Written:
      return;
    case ExportOutcome::Refused:
      return ShowExportMessage(outcome.reason, kAppTitle);
    case ExportOutcome::NotCreated:
      return ShowExportMessage("Error creating output file", kAppTitle);
    case ExportOutcome::NotWritten:
      return ShowExportMessage(kListingWriteFailure, kListingWriteFailureCaption);
    case ExportOutcome::NotClosed:
      ShowMessageBox(outcome.reason, kAppTitle, MB_OK | MB_ICONEXCLAMATION, MessageOwner::MainWindow);
  }
}

// The export itself worked; only the desktop could not open it, or its opener said it failed.
void ReportLaunchFailure(const QString& path) {
  ShowMessageBox("The track list was written to " + path.toStdString() +
                     ", but no program could be found to open it.",
                 kAppTitle, MB_OK | MB_ICONINFORMATION, MessageOwner::View);
}
}  // namespace

void CDecoderView::OnExport() {
  CExportDlg dialog(QStringLiteral("txt"), InitialExportName(m_document),
                    {QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*.*)")}, this);
  if (dialog.DoModal() != IDOK) return;

  const QString path = dialog.GetPathName();
  const ExportOutcome outcome = ExportListing(m_document, m_nStartElevation, QFile::encodeName(path).toStdString());
  // Only a file written and closed is opened.
  if (outcome.result != ExportOutcome::Written) return ReportExportFailure(outcome);
  if (dialog.m_bOpenAfterExport) m_pFileLauncher->Launch(path, *this, [path] { ReportLaunchFailure(path); });
}
