#pragma once

#include <QIcon>

// The main icon: a coaster hill with its car, against the sky.
QIcon ProgramIcon();

// Toolbar images, drawn at run time so that they scale cleanly; used where the
// desktop's icon theme has none.
QIcon BlankPageImage();
QIcon OpenFolderImage();
QIcon DiskImage();
QIcon QuestionMarkImage();
