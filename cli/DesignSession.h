#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cli/StderrMessageBox.h"
#include "framework/DocumentTemplate.h"
#include "framework/FileAccess.h"
#include "trackfile/DecoderDoc.h"
#include "trackfile/TrackCommands.h"

// The document and the framework's load and save sequences, as the desktop
// program has them, for one command: the one place where td4 reads a design,
// changes it and writes it, with every message on standard error naming the
// file it is about ("td4: FILE: text").
class DesignSession : private IDocumentHost {
public:
  explicit DesignSession(bool answerYes);

  // Loads path afresh, as a file of its own even when an earlier one was the
  // same file under another name; "-" is standard input, which is read once
  // and gives the same design each time it is named. True when a design is
  // loaded; otherwise the reason has been reported.
  bool Load(const std::string& path);

  // Runs a command on the loaded design (mirror, reverse). A question it asks
  // and that is answered No for lack of --yes is followed by declinedHint.
  // True when it is done and the design is to be written.
  bool Change(TrackCommand change, const std::string& declinedHint);

  // Runs write, which writes a file at output and returns whether it did,
  // with its messages naming output.
  template <class Write>
  bool WriteTo(const std::string& output, Write write) {
    const MessageSubject subject(m_box, output, "");
    return write();
  }

  // Writes the design to output ("-": standard output) through the store path.
  bool Save(const std::string& output);

  // Writes the design's listing to output ("-": standard output) as an export does.
  bool Export(std::int32_t startElevation, const std::string& output);

  CDecoderDoc& Document() { return m_doc; }

  // True once any failure or refusal has been reported.
  bool Failed() const { return m_bFailed || m_box.Failures() > 0; }

private:
  void OnInitialUpdate() override {}
  void OnTitleChanged() override {}
  std::optional<std::string> PromptSaveAsPath() override { return std::nullopt; }

  const FilePrefix& Read(const std::string& path);
  Outcome LoadBytes(const std::string& path);
  // Asks on standard error about file, answering as --yes said.
  AskQuestion Asker(const std::string& file) const;
  // Tells what did not go as asked about file; true when the outcome is done.
  bool Report(const std::string& file, const Outcome& outcome, const std::string& declinedHint);

  bool m_bAnswerYes;
  bool m_bFailed = false;
  StderrMessageBox m_box;
  ScopedMessageBox m_installed;
  CDecoderDoc m_doc;
  CSingleDocTemplate m_template;
  FilePrefix m_file;
  std::optional<FilePrefix> m_standardInput;
};
