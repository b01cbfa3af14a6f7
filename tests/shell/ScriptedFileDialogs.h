#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "shell/platform/FileDialogs.h"

// Stands in for the user at file dialogs: records every dialog asked for and
// gives the scripted paths in order; with none left the dialog is cancelled.
class ScriptedFileDialogs : public IFileDialogs {
public:
  struct Shown {
    bool save;
    FileDialogRequest request;
  };

  void Answer(std::optional<QString> path) { m_answers.push_back(std::move(path)); }
  const std::vector<Shown>& Requests() const { return m_shown; }

  std::optional<QString> ChooseFileToOpen(QWidget*, const FileDialogRequest& request) override {
    return Choose(false, request);
  }
  std::optional<QString> ChooseFileToSave(QWidget*, const FileDialogRequest& request) override {
    return Choose(true, request);
  }
  std::optional<QString> ChooseFolder(QWidget*, const FileDialogRequest& request) override {
    return Choose(false, request);
  }

private:
  std::optional<QString> Choose(bool save, const FileDialogRequest& request) {
    m_shown.push_back({save, request});
    if (m_answers.empty()) return std::nullopt;
    std::optional<QString> answer = m_answers.front();
    m_answers.pop_front();
    return answer;
  }

  std::deque<std::optional<QString>> m_answers;
  std::vector<Shown> m_shown;
};
