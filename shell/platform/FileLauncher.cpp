#include "shell/platform/FileLauncher.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
class DesktopLauncher : public IFileLauncher {
public:
  bool Launch(const QString& path) override { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
};
}  // namespace

IFileLauncher& DesktopFileLauncher() {
  static DesktopLauncher launcher;
  return launcher;
}
