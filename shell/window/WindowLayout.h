#pragma once

#include <QRect>

class CMainFrame;
class QSettings;

// The main window's layout as the user left it: size and place, toolbar,
// status bar, and the split between segment list and elevation profile. It is
// kept in the settings when the window closes and put back at the next start.
void SaveWindowLayout(const CMainFrame& frame, QSettings& settings);

// Puts the kept layout back before the window shows. The first start, and a
// kept size or place that no longer fits the screen, is fitted to the screen's
// free area (without panels and docks).
void RestoreWindowLayout(CMainFrame& frame, const QSettings& settings);

// The window of a first start: two thirds of the screen's free area each
// way, in its middle.
QRect FirstWindowRect(const QRect& area);

// A window's rectangle, without its frame, made to fit area with room for a
// frame of the given margins around it: no larger than the room (nor smaller
// than minimum), and moved in where it sticks out.
QRect FitWindowInto(const QRect& window, const QSize& minimum, const QRect& area, const QMargins& frame);
