#include "cli/StderrMessageBox.h"

#include <cstdio>

int StderrMessageBox::Show(const MessageBoxRequest& request) {
  std::fprintf(stderr, "%s\n", request.text.c_str());
  switch (request.type & MB_TYPEMASK) {
    case MB_OK:
      ++m_nFailures;
      return IDOK;
    case MB_OKCANCEL:
      if (m_bAnswerYes) return IDOK;
      ++m_nFailures;
      return IDCANCEL;
    default:
      if (m_bAnswerYes) return IDYES;
      ++m_nFailures;
      return IDNO;
  }
}
