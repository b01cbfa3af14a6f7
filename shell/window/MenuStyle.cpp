#include "shell/window/MenuStyle.h"

#include <QPainter>
#include <QStyleOptionMenuItem>

#include "render/Legibility.h"

namespace {
// How far a separator runs from the text colour towards the background.
constexpr double kSeparatorShare = 0.65;
constexpr int kSeparatorMargin = 4;
}  // namespace

void MenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  // A separator with a title is a section heading, which the style draws with its text.
  if (element != CE_MenuItem || !item || item->menuItemType != QStyleOptionMenuItem::Separator || !item->text.isEmpty())
    return QProxyStyle::drawControl(element, option, painter, widget);
  const QPalette& palette = item->palette;
  const QRect& r = item->rect;
  painter->save();
  painter->setPen(Mix(palette.color(QPalette::Text), palette.color(QPalette::Base), kSeparatorShare));
  painter->drawLine(r.left() + kSeparatorMargin, r.center().y(), r.right() - kSeparatorMargin, r.center().y());
  painter->restore();
}
