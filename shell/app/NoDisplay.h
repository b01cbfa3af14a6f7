#pragma once

// Qt ends a program that finds no display with its own platform error, before
// the program can read its command line. Where there is none to be found
// (neither DISPLAY nor WAYLAND_DISPLAY set, and no platform chosen through
// QT_QPA_PLATFORM or -platform), this picks Qt's offscreen platform instead,
// so that --help, --version and a wrong command line still get their answer.
// True when it did so: the program can then show no window.
bool ChooseOffscreenWithoutDisplay(int argc, char* argv[]);
