#pragma once

#include "framework/BuildInfo.h"

// The program's title: the caption of its message boxes and the main window.
inline constexpr const char* kAppTitle = "Tivora Track Decoder";
// What a document is called before it has a file.
inline constexpr const char* kUntitledTitle = "Untitled";
