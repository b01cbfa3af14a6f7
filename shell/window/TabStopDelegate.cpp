#include "shell/window/TabStopDelegate.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QSet>

TabStopDelegate::TabStopDelegate(std::vector<int> tabStops, QObject* parent)
    : QStyledItemDelegate(parent), m_tabStops(std::move(tabStops)) {}

int TabStopDelegate::NextTabStop(int x) const {
  for (int stop : m_tabStops)
    if (stop > x) return stop;
  const int last = m_tabStops.empty() ? 0 : m_tabStops.back();
  const int spacing = m_tabStops.size() < 2 ? std::max(last, 1) : last - m_tabStops[m_tabStops.size() - 2];
  return last + ((x - last) / spacing + 1) * spacing;
}

std::vector<TabStopDelegate::Field> TabStopDelegate::LayOut(const QString& line, const QFontMetrics& metrics) const {
  std::vector<Field> fields;
  int x = 0;
  const QStringList parts = line.split(QLatin1Char('\t'));
  for (qsizetype i = 0; i < parts.size(); ++i) {
    if (i > 0) x = NextTabStop(x);
    fields.push_back({x, parts[i]});
    x += metrics.horizontalAdvance(parts[i]);
  }
  return fields;
}

namespace {

// Where a font's digits share one width and nothing is kerned, lines that
// differ only in their digits are laid out equally wide. A listing's lines
// mostly differ so (numbers, counts, elevations), so each shape is measured once.
bool EvenDigits(const QFont& font, const QFontMetrics& metrics) {
  if (font.kerning()) return false;
  const int zero = metrics.horizontalAdvance(QLatin1Char('0'));
  for (char digit = '1'; digit <= '9'; ++digit)
    if (metrics.horizontalAdvance(QLatin1Char(digit)) != zero) return false;
  return true;
}

}  // namespace

int TabStopDelegate::WidestLine(const QStringList& lines, const QFont& font) const {
  const QFontMetrics metrics(font);
  const bool byShape = EvenDigits(font, metrics);
  QSet<QString> measured;
  QString shape;
  int widest = 0;
  for (const QString& line : lines) {
    shape = line;
    if (byShape)
      for (QChar& c : shape)
        if (c >= u'1' && c <= u'9') c = u'0';
    if (measured.contains(shape)) continue;
    measured.insert(shape);
    const std::vector<Field> fields = LayOut(shape, metrics);
    widest = std::max(widest, fields.back().x + metrics.horizontalAdvance(fields.back().text));
  }
  return widest;
}

void TabStopDelegate::SetWidestLine(int width) {
  if (width == m_nWidestLine) return;
  m_nWidestLine = width;
  emit sizeHintChanged(QModelIndex());
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  // The style's size of a one-character line, widened from that character to the widest line.
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  item.text = QStringLiteral("0");
  const QWidget* widget = item.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  const QSize one = style->sizeFromContents(QStyle::CT_ItemViewItem, &item, QSize(), widget);
  return {one.width() - item.fontMetrics.horizontalAdvance(item.text) + m_nWidestLine, one.height()};
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  const QString line = item.text;
  item.text.clear();

  // The style draws the background, selection and focus frame; the fields go on top.
  const QWidget* widget = item.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

  const QRect textArea = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
  const QPalette::ColorGroup group = (item.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
  const QPalette::ColorRole role = (item.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;

  painter->save();
  painter->setClipRect(textArea);
  painter->setFont(item.font);
  painter->setPen(item.palette.color(group, role));
  for (const Field& field : LayOut(line, item.fontMetrics)) {
    const QRect fieldArea = textArea.adjusted(field.x, 0, 0, 0);
    painter->drawText(fieldArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, field.text);
  }
  painter->restore();
}
