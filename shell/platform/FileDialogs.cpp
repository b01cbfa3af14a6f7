#include "shell/platform/FileDialogs.h"

#include <QFileDialog>

#include "shell/platform/NameFilters.h"

namespace {
std::optional<QString> Run(QFileDialog& dialog, const FileDialogRequest& request) {
  SetNameFilters(dialog, request.nameFilters);
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}
}  // namespace

std::optional<QString> QtFileDialogs::ChooseFileToOpen(QWidget* parent, const FileDialogRequest& request) {
  QFileDialog dialog(parent, request.title);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return Run(dialog, request);
}

std::optional<QString> QtFileDialogs::ChooseFileToSave(QWidget* parent, const FileDialogRequest& request) {
  QFileDialog dialog(parent, request.title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  return Run(dialog, request);
}

std::optional<QString> QtFileDialogs::ChooseFolder(QWidget* parent, const FileDialogRequest& request) {
  const QString folder = QFileDialog::getExistingDirectory(parent, request.title, request.initialName);
  if (folder.isEmpty()) return std::nullopt;
  return folder;
}
