#include "shell/platform/FileLauncher.h"

#include <QProcess>

namespace {
// Runs the desktop's opener, xdg-open, rather than asking QDesktopServices,
// which reports only that the opener started, not how it ended: with no
// program for the file's type it starts, and ends with a failure status.
class DesktopLauncher : public IFileLauncher {
public:
  void Launch(const QString& path, QObject& owner, std::function<void()> failed) override {
    auto* opener = new QProcess(&owner);
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(opener, &QProcess::finished, opener, [opener, failed](int status, QProcess::ExitStatus exit) {
      if (exit != QProcess::NormalExit || status != 0) failed();
      opener->deleteLater();
    });
    // An opener that cannot start reports that alone, and never finishes.
    QObject::connect(opener, &QProcess::errorOccurred, opener, [opener, failed](QProcess::ProcessError error) {
      if (error != QProcess::FailedToStart) return;
      failed();
      opener->deleteLater();
    });
    opener->start(QStringLiteral("xdg-open"), {path});
  }
};
}  // namespace

IFileLauncher& DesktopFileLauncher() {
  static DesktopLauncher launcher;
  return launcher;
}
