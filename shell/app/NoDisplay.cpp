#include "shell/app/NoDisplay.h"

#include <QByteArray>
#include <QtGlobal>
#include <cstring>

bool ChooseOffscreenWithoutDisplay(int argc, char* argv[]) {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (!qEnvironmentVariableIsEmpty(variable)) return false;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return false;
  qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  return true;
}
