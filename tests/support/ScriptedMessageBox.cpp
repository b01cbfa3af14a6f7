#include "tests/support/ScriptedMessageBox.h"

ScriptedMessageBox::ScriptedMessageBox(std::initializer_list<int> answers) : m_answers(answers), m_installed(*this) {}

int ScriptedMessageBox::Show(const MessageBoxRequest& request) {
  m_shown.push_back(request);
  if (!m_answers.empty()) {
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
  }
  return DismissedAnswer(request.type);
}

std::vector<std::string> ScriptedMessageBox::Texts() const {
  std::vector<std::string> texts;
  for (const MessageBoxRequest& request : m_shown) texts.push_back(request.text);
  return texts;
}
