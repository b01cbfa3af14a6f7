#pragma once

#include <optional>
#include <string>

#include "framework/DocumentTemplate.h"

// Stands in for the view and frame: counts updates and answers the Save As
// prompt with a scripted path (nothing: the user cancelled).
class RecordingHost : public IDocumentHost {
public:
  void OnInitialUpdate() override { ++initialUpdates; }
  void OnTitleChanged() override { ++titleChanges; }
  std::optional<std::string> PromptSaveAsPath() override {
    ++saveAsPrompts;
    return saveAsAnswer;
  }

  int initialUpdates = 0;
  int titleChanges = 0;
  int saveAsPrompts = 0;
  std::optional<std::string> saveAsAnswer;
};
