#pragma once

#include <QString>

// Opens a file for the user with the desktop's default program for its type.
// A failure shows nothing: the user simply sees no program start.
class IFileLauncher {
public:
  virtual ~IFileLauncher() = default;
  virtual void Launch(const QString& path) = 0;
};

// The desktop's own launcher, shared by the whole program.
IFileLauncher& DesktopFileLauncher();
