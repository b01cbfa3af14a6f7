#pragma once

#include <string>

#include "framework/MessageBox.h"

// Writes a message on standard error as "td4: FILE: text" when it is about
// file, else as "td4: text"; the text is the program's own, with the control
// characters of file names escaped (DisplayName). Every message td4 prints
// goes through here.
void PrintMessage(const std::string& file, const std::string& text);

// The command line's message box: every message goes to standard error,
// naming the file that the work in hand is about (MessageSubject).
// Questions are answered Yes when the user said so up front (--yes), else No,
// followed by a line telling what --yes would do. A command has failed when
// any message but an accepted question was shown: the program's plain
// messages all tell of a refusal or a failure.
class StderrMessageBox : public IMessageBox {
public:
  explicit StderrMessageBox(bool answerYes) : m_bAnswerYes(answerYes) {}

  int Show(const MessageBoxRequest& request) override;

  int Failures() const { return m_nFailures; }

private:
  friend class MessageSubject;

  bool m_bAnswerYes;
  int m_nFailures = 0;
  std::string m_strFile;
  std::string m_strDeclinedHint;
};

// While alive, the box's messages are about file, and a question answered No
// for lack of --yes is followed by declinedHint (such as "--yes loads it anyway").
class MessageSubject {
public:
  MessageSubject(StderrMessageBox& box, std::string file, std::string declinedHint);
  ~MessageSubject();
  MessageSubject(const MessageSubject&) = delete;
  MessageSubject& operator=(const MessageSubject&) = delete;

private:
  StderrMessageBox& m_box;
  std::string m_strFile;
  std::string m_strDeclinedHint;
};
