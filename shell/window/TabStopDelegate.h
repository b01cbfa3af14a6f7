#pragma once

#include <QStyledItemDelegate>
#include <vector>

class QFontMetrics;

// Paints a line's tab-separated fields lined up at fixed tab stops, so the
// columns of a list stay aligned whatever the width of each field.
class TabStopDelegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  struct Field {
    int x;  // from the start of the line's text area
    QString text;
  };

  // tabStops: ascending pixel offsets from the start of the line's text area.
  TabStopDelegate(std::vector<int> tabStops, QObject* parent);

  // Where each field of line starts. A tab moves to the first stop past the text
  // before it; past the last stop the stops go on at the spacing of the last two.
  std::vector<Field> LayOut(const QString& line, const QFontMetrics& metrics) const;
  // How far the widest of the laid-out lines reaches from the start of the text
  // area. Quick for many lines in a font without kerning.
  int WidestLine(const QStringList& lines, const QFont& font) const;

  // Every line is given the width of the widest one, in pixels of its laid-out
  // text, so that a list of uniform lines scrolls sideways as far as the widest
  // reaches without measuring every line as it scrolls.
  void SetWidestLine(int width);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
  int NextTabStop(int x) const;

  std::vector<int> m_tabStops;
  int m_nWidestLine = 0;
};
