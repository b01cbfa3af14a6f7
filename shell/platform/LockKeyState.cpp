#include "shell/platform/LockKeyState.h"

#ifdef TTD_HAVE_X11
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
// Last: the X11 headers define macros that clash with Qt's names.
#include <X11/XKBlib.h>

bool IsLockOn(LockKey key) {
  const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return false;
  const char* indicator = key == LockKey::Caps ? "Caps Lock" : key == LockKey::Num ? "Num Lock" : "Scroll Lock";
  const Atom name = XInternAtom(display, indicator, True);
  Bool on = False;
  return name != None && XkbGetNamedIndicator(display, name, nullptr, &on, nullptr, nullptr) && on;
}
#else
bool IsLockOn(LockKey) { return false; }
#endif
