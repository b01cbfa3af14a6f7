#include <QApplication>
#include <cstdlib>

#include "framework/AppInfo.h"
#include "framework/InterruptCleanup.h"
#include "shell/CommandLine.h"
#include "shell/DecoderApp.h"
#include "shell/DecoderView.h"
#include "shell/FileDialogs.h"
#include "shell/MainFrame.h"
#include "shell/ProgramImages.h"
#include "shell/QtMessageBox.h"

int main(int argc, char* argv[]) {
  InstallInterruptCleanup();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(kAppTitle));
  QApplication::setApplicationVersion(QString::fromUtf8(kAppVersion));
  QApplication::setWindowIcon(ProgramIcon());
  // Wayland shells find the window's icon and menu entry through the desktop entry's name.
  QGuiApplication::setDesktopFileName(QString::fromUtf8(kDesktopId));
  const CCommandLineInfo commandLine = ParseCommandLine(app);

  QtMessageBox messageBox;
  const ScopedMessageBox installed(messageBox);
  QtFileDialogs fileDialogs;
  CDecoderApp theApp(fileDialogs);
  QObject::connect(&theApp, &CDecoderApp::mainFrameCreated,
                   [&messageBox](CMainFrame& frame) { messageBox.SetOwners(&frame, &frame.GetView()); });
  if (!theApp.InitInstance(commandLine)) return EXIT_FAILURE;
  return QApplication::exec();
}
