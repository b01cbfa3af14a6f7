#pragma once

#include <optional>
#include <string>

#include "cli/StderrMessageBox.h"
#include "framework/DocumentTemplate.h"
#include "trackfile/DecoderDoc.h"

// The document and the framework's open and save sequences, as the desktop
// program has them, with messages going to standard error.
class DesignSession : private IDocumentHost {
public:
  explicit DesignSession(bool answerYes);

  // Opens path through the framework's open sequence. True when a design is
  // loaded; a refused or unreadable file has been reported.
  bool Open(const std::string& path);

  CDecoderDoc& Document() { return m_doc; }
  CSingleDocTemplate& Template() { return m_template; }

  // True once any failure or refusal has been reported.
  bool Failed() const { return m_box.Failures() > 0; }

private:
  void OnInitialUpdate() override {}
  void OnTitleChanged() override {}
  std::optional<std::string> PromptSaveAsPath() override { return std::nullopt; }

  StderrMessageBox m_box;
  ScopedMessageBox m_installed;
  CDecoderDoc m_doc;
  CSingleDocTemplate m_template;
};
