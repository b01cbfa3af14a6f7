#include "cli/StderrMessageBox.h"

#include <cstdio>
#include <utility>

#include "cli/DisplayName.h"

void PrintMessage(const std::string& file, const std::string& text) {
  const std::string prefix = file.empty() ? "td4: " : "td4: " + DisplayName(file) + ": ";
  std::fprintf(stderr, "%s%s\n", prefix.c_str(), DisplayText(text, file).c_str());
}

int StderrMessageBox::Show(const MessageBoxRequest& request) {
  PrintMessage(m_strFile, request.text);
  const unsigned buttons = request.type & MB_TYPEMASK;
  if (buttons == MB_OK) {
    ++m_nFailures;
    return IDOK;
  }
  if (m_bAnswerYes) return buttons == MB_OKCANCEL ? IDOK : IDYES;
  ++m_nFailures;
  if (!m_strDeclinedHint.empty()) PrintMessage(m_strFile, "answered No; " + m_strDeclinedHint);
  return buttons == MB_OKCANCEL ? IDCANCEL : IDNO;
}

MessageSubject::MessageSubject(StderrMessageBox& box, std::string file, std::string declinedHint)
    : m_box(box),
      m_strFile(std::exchange(box.m_strFile, std::move(file))),
      m_strDeclinedHint(std::exchange(box.m_strDeclinedHint, std::move(declinedHint))) {}

MessageSubject::~MessageSubject() {
  m_box.m_strFile = std::move(m_strFile);
  m_box.m_strDeclinedHint = std::move(m_strDeclinedHint);
}
