#include "shell/FileLauncher.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
class DesktopLauncher : public IFileLauncher {
public:
  void Launch(const QString& path) override { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
};
}  // namespace

IFileLauncher& DesktopFileLauncher() {
  static DesktopLauncher launcher;
  return launcher;
}
