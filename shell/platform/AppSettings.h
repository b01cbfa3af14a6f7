#pragma once

#include <memory>

class QSettings;

// The per-user settings store, in the desktop's native format, under the
// organisation "Local AppWizard-Generated Applications" and the application
// "Tivora Track Decoder". On Linux that is the file
// ~/.config/Local AppWizard-Generated Applications/Tivora Track Decoder.conf
// (below $XDG_CONFIG_HOME when set).
std::unique_ptr<QSettings> OpenAppSettings();

// Section "Settings", value "NoWarning": 0 or absent shows the start-up warning.
inline constexpr const char* kNoWarningKey = "Settings/NoWarning";
// Section "Settings", value "ElevationProfile": 0 hides the elevation profile; absent shows it.
inline constexpr const char* kElevationProfileKey = "Settings/ElevationProfile";
// Section "Settings", values "WindowGeometry" and "WindowState": the main
// window's size and place, and its toolbar, as Qt saves them.
inline constexpr const char* kWindowGeometryKey = "Settings/WindowGeometry";
inline constexpr const char* kWindowStateKey = "Settings/WindowState";
// Section "Settings", value "Panes": the split between segment list and elevation profile.
inline constexpr const char* kPanesKey = "Settings/Panes";
// Section "Settings", value "StatusBar": 0 hides the status bar; absent shows it.
inline constexpr const char* kStatusBarKey = "Settings/StatusBar";
// Section "Settings", value "DesignsFolder": the folder last shown in the
// Designs panel, opened again at start when the panel was left showing (its
// place and showing are part of "WindowState").
inline constexpr const char* kDesignsFolderKey = "Settings/DesignsFolder";
// Section "Settings", value "DesignsColumns": the headings of the columns the
// Designs panel shows, as chosen in its header's menu; absent, the first few.
inline constexpr const char* kDesignsColumnsKey = "Settings/DesignsColumns";
// The recent files, as "File1", "File2", ... in this section.
inline constexpr const char* kRecentFileSection = "Recent File List";
