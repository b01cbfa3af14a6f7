#include "cli/DrawingApplication.h"

#include <QGuiApplication>
#include <clocale>
#include <string>

namespace {

// QGuiApplication keeps references to its arguments for its whole life.
int g_argc = 3;
char g_program[] = "td4";
char g_platformOption[] = "-platform";
char g_offscreen[] = "offscreen";
char* g_argv[] = {g_program, g_platformOption, g_offscreen, nullptr};

// Qt's own remarks about the platform (a missing runtime folder and the like)
// mean nothing to a user who asked for a picture; td4 reports its failures itself.
void KeepQuiet(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

DrawingApplication::DrawingApplication() : m_previousHandler(qInstallMessageHandler(KeepQuiet)) {
  // Qt takes the user's locale for the C library too; td4 keeps its own, so
  // that nothing it prints or writes changes with the language.
  const std::string locale = std::setlocale(LC_ALL, nullptr);
  m_app = std::make_unique<QGuiApplication>(g_argc, g_argv);
  std::setlocale(LC_ALL, locale.c_str());
}

DrawingApplication::~DrawingApplication() {
  m_app.reset();
  qInstallMessageHandler(m_previousHandler);
}
