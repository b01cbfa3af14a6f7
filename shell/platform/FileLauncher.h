#pragma once

#include <QString>

// Opens a file for the user with the desktop's default program for its type.
class IFileLauncher {
public:
  virtual ~IFileLauncher() = default;
  // False when no program could be started for it; the caller tells the user.
  virtual bool Launch(const QString& path) = 0;
};

// The desktop's own launcher, shared by the whole program.
IFileLauncher& DesktopFileLauncher();
