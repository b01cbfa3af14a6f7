#pragma once

#include <QString>
#include <functional>

class QObject;

// Opens a file for the user with the desktop's default program for its type.
class IFileLauncher {
public:
  virtual ~IFileLauncher() = default;
  // Starts the opener for path, as a child of owner. When no program could be
  // started for the file, or the opener ends reporting failure, failed is
  // called (later, from the event loop); the caller tells the user.
  virtual void Launch(const QString& path, QObject& owner, std::function<void()> failed) = 0;
};

// The desktop's own launcher, shared by the whole program.
IFileLauncher& DesktopFileLauncher();
