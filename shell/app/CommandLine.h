#pragma once

#include <QString>

class QCoreApplication;

// What the command line asks for at start-up.
struct CCommandLineInfo {
  // The design to open, as a full path; empty: start with the empty document.
  QString m_strFileName;
};

// Reads the program's arguments: at most one, the design file to open.
// --help and --version are answered here and end the program, as does a
// command line it cannot use, after saying what is wrong (with status 2).
CCommandLineInfo ParseCommandLine(const QCoreApplication& app);
