#include "shell/app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

CCommandLineInfo ParseCommandLine(const QCoreApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Shows, checks and changes track design files (*.td4)."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The track design file to open."),
                               QStringLiteral("[file]"));
  parser.process(app);

  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    std::fputs("Give one track design file at most.\n", stderr);
    std::exit(EXIT_FAILURE);
  }
  // A full path, so that the recent-file list leads back to it from anywhere.
  return {files.isEmpty() ? QString() : QFileInfo(files.constFirst()).absoluteFilePath()};
}
