#include <QApplication>
#include <QFile>

#include "framework/AppInfo.h"
#include "shell/DecoderView.h"
#include "shell/FileDialogs.h"
#include "shell/MainFrame.h"
#include "shell/QtMessageBox.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(kAppTitle));
  QApplication::setApplicationVersion(QString::fromUtf8(kAppVersion));

  QtMessageBox messageBox;
  const ScopedMessageBox installed(messageBox);
  QtFileDialogs fileDialogs;
  CMainFrame frame(fileDialogs);
  messageBox.SetOwners(&frame, &frame.GetView());

  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1)
    frame.GetDocTemplate().OpenDocumentFile(QFile::encodeName(arguments[1]).toStdString());
  else
    frame.GetDocTemplate().OnFileNew();
  frame.show();
  return QApplication::exec();
}
