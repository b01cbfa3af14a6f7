#pragma once

#include <QProxyStyle>

// The desktop's style for the program's menus, but with separators drawn in
// a grey between the menu's text and background: some styles derive them from
// the background alone, and on a dark one they vanish.
class MenuStyle : public QProxyStyle {
  Q_OBJECT
public:
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
};
