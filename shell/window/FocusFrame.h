#pragma once

class QWidget;

// Draws the style's focus frame just outside widget while it has the
// keyboard focus: the frames that lists and the profile draw themselves look
// the same with and without it.
void ShowFocusFrame(QWidget& widget);
