#pragma once

#include <QColor>
#include <QPalette>

// The colour share of the way from one colour to another, opaque.
QColor Mix(const QColor& from, const QColor& to, double share);

// How well ink stands out on ground, as web accessibility guidelines measure
// it: from 1 (none) to 21 (black on white). An ink that is partly transparent
// counts as painted over the ground. Text wants 4.5, other marks 3.
double ContrastRatio(const QColor& ink, const QColor& ground);

inline constexpr double kTextContrast = 4.5;

// A text field's placeholder colour in a group of the palette: the palette's
// own where it reads on the field's base, else a grey between base and text.
// Palettes put together role by role often keep a light scheme's placeholder
// on a dark base.
QColor LegiblePlaceholder(const QPalette& palette, QPalette::ColorGroup group);
