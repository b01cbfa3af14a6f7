#include "shell/window/KeysMenu.h"

#include <QAction>
#include <QStyleOptionMenuItem>
#include <algorithm>

#include "shell/window/MenuStyle.h"

namespace {
// The menu puts the first key after a tab; an item whose text brings its own keys keeps them.
bool HasKeysBeyondTheFirst(const QAction& action) {
  return action.shortcuts().size() > 1 && !action.text().contains(u'\t');
}

QString EveryKey(const QAction& action) {
  return QKeySequence::listToString(action.shortcuts(), QKeySequence::NativeText);
}
}  // namespace

KeysMenu::KeysMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {
  auto* style = new MenuStyle;
  style->setParent(this);
  setStyle(style);
}

void KeysMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenu::initStyleOption(option, action);
  // The menu reserves the key column for the widest first key only, and the
  // style both sizes the items and draws the keys from this width.
  for (const QAction* item : actions())
    if (HasKeysBeyondTheFirst(*item))
      option->reservedShortcutWidth =
          std::max(option->reservedShortcutWidth, option->fontMetrics.horizontalAdvance(EveryKey(*item)));

  const qsizetype tab = option->text.indexOf(u'\t');
  if (!HasKeysBeyondTheFirst(*action) || tab < 0) return;
  option->text.truncate(tab + 1);
  option->text += EveryKey(*action);
}
