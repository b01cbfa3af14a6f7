#include "framework/MessageBox.h"

#include "framework/Outcome.h"

namespace {
// One per thread: loads run on several threads at once, each with the
// recipient it installed for its own questions and messages.
thread_local IMessageBox* g_pMessageBox = nullptr;
}  // namespace

int DismissedAnswer(unsigned type) {
  switch (type & MB_TYPEMASK) {
    case MB_OK:
      return IDOK;
    case MB_YESNO:
      return IDNO;
    default:
      return IDCANCEL;
  }
}

IMessageBox* InstallMessageBox(IMessageBox* box) {
  IMessageBox* previous = g_pMessageBox;
  g_pMessageBox = box;
  return previous;
}

int ShowMessageBox(std::string text, std::string caption, unsigned type, MessageOwner owner) {
  return ShowMessageBox({std::move(text), std::move(caption), type, owner});
}

int ShowMessageBox(const MessageBoxRequest& request) {
  if (!g_pMessageBox) return DismissedAnswer(request.type);
  return g_pMessageBox->Show(request);
}

bool AskThroughMessageBox(const MessageBoxRequest& question) { return ShowMessageBox(question) == IDYES; }
