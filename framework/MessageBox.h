#pragma once

#include <string>

// Button and icon flags of a message box, and the answers it gives.
enum : unsigned {
  MB_OK = 0x0,
  MB_OKCANCEL = 0x1,
  MB_YESNOCANCEL = 0x3,
  MB_YESNO = 0x4,
  MB_TYPEMASK = 0xF,
  MB_ICONQUESTION = 0x20,
  MB_ICONEXCLAMATION = 0x30,
  MB_ICONINFORMATION = 0x40,
  MB_ICONMASK = 0xF0,
};

enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// The window a message box belongs to; the front end decides what that means for it.
enum class MessageOwner { None, MainWindow, View };

struct MessageBoxRequest {
  std::string text;
  std::string caption;
  unsigned type = MB_OK;
  MessageOwner owner = MessageOwner::MainWindow;
};

// Implemented by each front end (a modal dialog, standard error, a test's script).
class IMessageBox {
public:
  virtual ~IMessageBox() = default;
  // Shows the box and returns the button the user chose.
  virtual int Show(const MessageBoxRequest& request) = 0;
};

// The answer of a box closed without choosing: IDOK for MB_OK, IDNO for MB_YESNO
// (which cannot be closed otherwise), IDCANCEL for the rest.
int DismissedAnswer(unsigned type);

// Installs the message box for everything the calling thread asks or tells
// from now on (the front end's, or one load's own); returns the one it replaces.
// Other threads keep theirs.
IMessageBox* InstallMessageBox(IMessageBox* box);

// Shows a message through the installed message box. With none installed the
// box counts as dismissed (DismissedAnswer).
int ShowMessageBox(std::string text, std::string caption, unsigned type, MessageOwner owner);
int ShowMessageBox(const MessageBoxRequest& request);

// Installs a message box for the lifetime of the guard, then restores the previous one.
class ScopedMessageBox {
public:
  explicit ScopedMessageBox(IMessageBox& box) : m_pPrevious(InstallMessageBox(&box)) {}
  ~ScopedMessageBox() { InstallMessageBox(m_pPrevious); }
  ScopedMessageBox(const ScopedMessageBox&) = delete;
  ScopedMessageBox& operator=(const ScopedMessageBox&) = delete;

private:
  IMessageBox* m_pPrevious;
};
