#pragma once

#include "framework/MessageBox.h"

// The command line's message box: every message goes to standard error.
// Questions are answered Yes when the user said so up front (--yes), else No.
// A command has failed when any message but an accepted question was shown:
// the program's plain messages all tell of a refusal or a failure.
class StderrMessageBox : public IMessageBox {
public:
  explicit StderrMessageBox(bool answerYes) : m_bAnswerYes(answerYes) {}

  int Show(const MessageBoxRequest& request) override;

  int Failures() const { return m_nFailures; }

private:
  bool m_bAnswerYes;
  int m_nFailures = 0;
};
