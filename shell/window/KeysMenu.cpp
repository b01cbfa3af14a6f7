#include "shell/window/KeysMenu.h"

#include <QAction>
#include <QStyleOptionMenuItem>

KeysMenu::KeysMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {}

void KeysMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenu::initStyleOption(option, action);
  const QList<QKeySequence> keys = action->shortcuts();
  // The menu puts the first key after a tab; an item whose text brings its own keys keeps them.
  if (keys.size() < 2 || action->text().contains(u'\t')) return;
  const qsizetype tab = option->text.indexOf(u'\t');
  if (tab < 0) return;
  option->text.truncate(tab + 1);
  option->text += QKeySequence::listToString(keys, QKeySequence::NativeText);
}
