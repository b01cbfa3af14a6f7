#pragma once

#include <functional>
#include <utility>

#include "framework/MessageBox.h"

// What a load or a command did, as a value: the caller decides what to show
// of it and what it means for an exit status or a catalogue row.
struct Outcome {
  enum class Kind {
    Done,      // the design is loaded, or the command did its work
    Refused,   // message is what the user is told, as the desktop shows it
    Declined,  // message is the question that was answered No
  };

  static Outcome Refusal(MessageBoxRequest message) { return {Kind::Refused, std::move(message)}; }
  static Outcome Declined(MessageBoxRequest question) { return {Kind::Declined, std::move(question)}; }

  bool IsDone() const { return kind == Kind::Done; }

  Kind kind = Kind::Done;
  MessageBoxRequest message;
  // Refused because the framework could not read the file (past its end, or
  // out of memory) rather than by the document: the framework's open failed.
  bool readFailed = false;
};

// Puts a yes/no question to the user on behalf of a load or a command, and
// gives the answer (true: Yes). An empty function answers No.
using AskQuestion = std::function<bool(const MessageBoxRequest& question)>;

// The answer of ask to question; No when there is no one to ask.
inline bool AnswersYes(const AskQuestion& ask, const MessageBoxRequest& question) { return ask && ask(question); }

// Asks through the message box installed for the calling thread (the desktop's).
bool AskThroughMessageBox(const MessageBoxRequest& question);
