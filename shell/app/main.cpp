#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "framework/AppInfo.h"
#include "framework/InterruptCleanup.h"
#include "shell/app/CommandLine.h"
#include "shell/app/DecoderApp.h"
#include "shell/app/NoDisplay.h"
#include "shell/window/DecoderView.h"
#include "shell/platform/FileDialogs.h"
#include "shell/window/MainFrame.h"
#include "shell/window/ProgramImages.h"
#include "shell/dialogs/QtMessageBox.h"

int main(int argc, char* argv[]) {
  InstallInterruptCleanup();
  const bool noDisplay = ChooseOffscreenWithoutDisplay(argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(kAppTitle));
  QApplication::setApplicationVersion(QString::fromUtf8(kAppVersion));
  QApplication::setWindowIcon(ProgramIcon());
  // Wayland shells find the window's icon and menu entry through the desktop entry's name.
  QGuiApplication::setDesktopFileName(QString::fromUtf8(kDesktopId));
  const CCommandLineInfo commandLine = ParseCommandLine(app);
  if (noDisplay) {
    std::fputs("Tivora Track Decoder: There is no display to show the window on.\n", stderr);
    return EXIT_FAILURE;
  }

  QtMessageBox messageBox;
  const ScopedMessageBox installed(messageBox);
  QtFileDialogs fileDialogs;
  CDecoderApp theApp(fileDialogs);
  QObject::connect(&theApp, &CDecoderApp::mainFrameCreated,
                   [&messageBox](CMainFrame& frame) { messageBox.SetOwners(&frame, &frame.GetView()); });
  if (!theApp.InitInstance(commandLine)) return EXIT_FAILURE;
  return QApplication::exec();
}
