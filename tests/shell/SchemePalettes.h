#pragma once

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <utility>
#include <vector>

// A dark palette set role by role, as a desktop's dark scheme or a user's own
// palette often is: its placeholder stays Qt's light one, black at half strength.
inline QPalette DarkPalette() {
  QPalette dark = QApplication::style()->standardPalette();
  const QColor text(235, 235, 235);
  const std::pair<QPalette::ColorRole, QColor> colours[] = {{QPalette::Window, QColor(53, 53, 53)},
                                                            {QPalette::WindowText, text},
                                                            {QPalette::Base, QColor(35, 35, 35)},
                                                            {QPalette::AlternateBase, QColor(45, 45, 45)},
                                                            {QPalette::Text, text},
                                                            {QPalette::Button, QColor(53, 53, 53)},
                                                            {QPalette::ButtonText, text},
                                                            {QPalette::Light, QColor(75, 75, 75)},
                                                            {QPalette::Midlight, QColor(64, 64, 64)},
                                                            {QPalette::Mid, QColor(45, 45, 45)},
                                                            {QPalette::Dark, QColor(30, 30, 30)},
                                                            {QPalette::Shadow, QColor(20, 20, 20)},
                                                            {QPalette::Highlight, QColor(42, 130, 218)},
                                                            {QPalette::HighlightedText, QColor(255, 255, 255)}};
  for (const auto& [role, colour] : colours) dark.setColor(role, colour);
  for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
  return dark;
}

// Qt's light palette, then the dark one, then the light one again: each
// switched to while the window shows, as a desktop switches its scheme.
inline std::vector<std::pair<const char*, QPalette>> LightDarkLight() {
  const QPalette light = QApplication::style()->standardPalette();
  return {{"light", light}, {"dark", DarkPalette()}, {"light again", light}};
}

// The application's palette for a scope; the one before comes back after.
class ScopedAppPalette {
public:
  explicit ScopedAppPalette(const QPalette& palette) : m_before(QApplication::palette()) {
    QApplication::setPalette(palette);
    QCoreApplication::processEvents();
  }
  ~ScopedAppPalette() {
    QApplication::setPalette(m_before);
    QCoreApplication::processEvents();
  }
  ScopedAppPalette(const ScopedAppPalette&) = delete;
  ScopedAppPalette& operator=(const ScopedAppPalette&) = delete;

private:
  QPalette m_before;
};
