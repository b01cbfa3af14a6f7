#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// What a file dialog shows: its title (empty: the platform's own), its name
// filters (the first is selected), the suffix added to a name typed without
// one, and the name it starts with (with a folder: it starts there).
struct FileDialogRequest {
  QString title;
  QStringList nameFilters;
  QString defaultSuffix;
  QString initialName;
};

// Asks the user for a file. The program's commands go through this, so that
// tests can answer in place of the user.
class IFileDialogs {
public:
  virtual ~IFileDialogs() = default;
  // An existing file to read; nothing when the user cancelled.
  virtual std::optional<QString> ChooseFileToOpen(QWidget* parent, const FileDialogRequest& request) = 0;
  // A file to write, confirmed by the user when it exists already; nothing when cancelled.
  virtual std::optional<QString> ChooseFileToSave(QWidget* parent, const FileDialogRequest& request) = 0;
  // An existing folder (request's name filters and suffix do not apply); nothing when cancelled.
  virtual std::optional<QString> ChooseFolder(QWidget* parent, const FileDialogRequest& request) = 0;
};

// The desktop's own file dialogs.
class QtFileDialogs : public IFileDialogs {
public:
  std::optional<QString> ChooseFileToOpen(QWidget* parent, const FileDialogRequest& request) override;
  std::optional<QString> ChooseFileToSave(QWidget* parent, const FileDialogRequest& request) override;
  std::optional<QString> ChooseFolder(QWidget* parent, const FileDialogRequest& request) override;
};
