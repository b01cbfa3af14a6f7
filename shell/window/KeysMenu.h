#pragma once

#include <QMenu>

// A menu that shows every key of a command beside it, not only the first:
// "Save As..." with both Ctrl+A and Ctrl+Shift+S, Redo with both of its keys.
// Its separators read in light and dark palettes alike.
class KeysMenu : public QMenu {
  Q_OBJECT
public:
  KeysMenu(const QString& title, QWidget* parent);

  void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};
