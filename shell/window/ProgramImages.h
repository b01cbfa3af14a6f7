#pragma once

#include <QIcon>

class QPalette;

// The main icon: a coaster hill with its car, against the sky.
QIcon ProgramIcon();

// Toolbar images where the desktop's icon theme has none: line drawings in
// the palette's window text, greyed as the palette greys it when disabled, so
// that they read on a light toolbar and a dark one alike. Drawn at run time so
// that they scale cleanly; made again when the palette changes.
QIcon BlankPageImage(const QPalette& palette);
QIcon OpenFolderImage(const QPalette& palette);
QIcon DiskImage(const QPalette& palette);
QIcon DiskAndPenImage(const QPalette& palette);
QIcon QuestionMarkImage(const QPalette& palette);
