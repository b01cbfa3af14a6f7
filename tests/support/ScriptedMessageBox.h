#pragma once

#include <deque>
#include <vector>

#include "framework/MessageBox.h"

// Stands in for the user at message boxes: records every box shown and gives
// the scripted answers in order. A box with no answer left is answered as a
// dismissed box (IDOK, IDNO or IDCANCEL by its buttons). Installed while alive.
class ScriptedMessageBox : public IMessageBox {
public:
  explicit ScriptedMessageBox(std::initializer_list<int> answers = {});

  int Show(const MessageBoxRequest& request) override;

  void Answer(int answer) { m_answers.push_back(answer); }
  const std::vector<MessageBoxRequest>& Shown() const { return m_shown; }
  std::vector<std::string> Texts() const;

private:
  std::deque<int> m_answers;
  std::vector<MessageBoxRequest> m_shown;
  ScopedMessageBox m_installed;
};
