#pragma once

#include <deque>
#include <vector>

#include "framework/Outcome.h"

// Stands in for the user at the questions of a load or a command: records
// every question and gives the scripted answers in order, then No.
class ScriptedQuestions {
public:
  explicit ScriptedQuestions(std::initializer_list<bool> answers = {}) : m_answers(answers) {}

  void Answer(bool answer) { m_answers.push_back(answer); }

  AskQuestion Ask() {
    return [this](const MessageBoxRequest& question) {
      m_asked.push_back(question);
      if (m_answers.empty()) return false;
      const bool answer = m_answers.front();
      m_answers.pop_front();
      return answer;
    };
  }

  const std::vector<MessageBoxRequest>& Asked() const { return m_asked; }

private:
  std::deque<bool> m_answers;
  std::vector<MessageBoxRequest> m_asked;
};
