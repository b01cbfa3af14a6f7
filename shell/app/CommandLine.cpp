#include "shell/app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace {
// The status of a command line the program cannot use, as Unix tools have it.
constexpr int kUsageError = 2;
}  // namespace

CCommandLineInfo ParseCommandLine(const QCoreApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Shows, checks and changes track design files (*.td4)."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The track design file to open."),
                               QStringLiteral("[file]"));
  // Read first, so that a wrong command line ends with the usage status;
  // process then answers --help, --help-all and --version.
  if (!parser.parse(app.arguments())) {
    std::fprintf(stderr, "%s: %s\n", QCoreApplication::applicationName().toLocal8Bit().constData(),
                 parser.errorText().toLocal8Bit().constData());
    std::exit(kUsageError);
  }
  parser.process(app);

  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    std::fputs("Give one track design file at most.\n", stderr);
    std::exit(kUsageError);
  }
  // A full path, so that the recent-file list leads back to it from anywhere.
  return {files.isEmpty() ? QString() : QFileInfo(files.constFirst()).absoluteFilePath()};
}
