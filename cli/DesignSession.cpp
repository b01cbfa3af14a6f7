#include "cli/DesignSession.h"

#include "framework/AppInfo.h"

DesignSession::DesignSession(bool answerYes) : m_box(answerYes), m_installed(m_box), m_template(m_doc, *this) {
  m_template.OnFileNew();
}

bool DesignSession::Open(const std::string& path) {
  const int failuresBefore = m_box.Failures();
  if (!m_template.OpenDocumentFile(path) || m_box.Failures() > failuresBefore) return false;
  // The document takes an empty file, or one with an empty body, without a
  // word; a command that has nothing to work on says so.
  if (!m_doc.m_pData) {
    ShowMessageBox(path + " holds no track design.", kAppTitle, MB_OK | MB_ICONINFORMATION, MessageOwner::MainWindow);
    return false;
  }
  return true;
}
