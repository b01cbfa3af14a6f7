#include "shell/platform/AppSettings.h"

#include <QSettings>

#include "framework/AppInfo.h"

std::unique_ptr<QSettings> OpenAppSettings() {
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                     QStringLiteral("Local AppWizard-Generated Applications"),
                                     QString::fromUtf8(kAppTitle));
}
