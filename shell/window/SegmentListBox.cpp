#include "shell/window/SegmentListBox.h"

#include <QEvent>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyle>

#include "shell/dialogs/DialogUnits.h"
#include "shell/window/FocusFrame.h"
#include "shell/window/TabStopDelegate.h"

SegmentListBox::SegmentListBox(QWidget* parent) : QListView(parent), m_pLines(new QStringListModel(this)) {
  setModel(m_pLines);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  // Every line as high and as wide as the widest, so that a long listing is laid out at once.
  setUniformItemSizes(true);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  // Unkerned, the lines' widths add up from their fields', which a long listing measures once each.
  QFont unkerned;
  unkerned.setKerning(false);
  setFont(unkerned);
  setAccessibleName(QStringLiteral("Track segments"));
  SetTabStops({});
  ShowFocusFrame(*this);
}

void SegmentListBox::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  // The list's own override tells of the focus moving to the line even when
  // the focus is elsewhere, as when a design is opened from the Designs panel.
  if (hasFocus())
    QListView::currentChanged(current, previous);
  else
    QAbstractItemView::currentChanged(current, previous);
}

void SegmentListBox::changeEvent(QEvent* event) {
  QListView::changeEvent(event);
  if (event->type() == QEvent::FontChange) SetTabStops(m_tabStopUnits);
}

void SegmentListBox::SetTabStops(const std::vector<int>& dialogUnits) {
  m_tabStopUnits = dialogUnits;
  const DialogUnits units(fontMetrics());
  std::vector<int> pixels;
  for (int stop : dialogUnits) pixels.push_back(units.X(stop));
  auto* columns = new TabStopDelegate(std::move(pixels), this);
  setItemDelegate(columns);
  delete m_pColumns;
  m_pColumns = columns;
  MeasureWidestLine();
}

void SegmentListBox::MeasureWidestLine() {
  m_pColumns->SetWidestLine(m_pColumns->WidestLine(m_pLines->stringList(), font()));
}

void SegmentListBox::ResetContent() {
  m_pLines->setStringList({});
  m_pColumns->SetWidestLine(0);
}

void SegmentListBox::AddStrings(const QStringList& lines) {
  // One model reset instead of a row insertion per line keeps a long listing
  // quick; the list is filled right after ResetContent, so no selection is lost.
  if (lines.isEmpty()) return;
  m_pLines->setStringList(m_pLines->stringList() + lines);
  MeasureWidestLine();
}

int SegmentListBox::GetCount() const { return m_pLines->rowCount(); }

QString SegmentListBox::GetText(int index) const { return m_pLines->index(index).data().toString(); }

int SegmentListBox::GetCurSel() const {
  const QModelIndexList selected = selectionModel()->selectedRows();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void SegmentListBox::SetCurSel(int index) {
  const QModelIndex line = m_pLines->index(index);
  setCurrentIndex(line);
  scrollTo(line);
}

int SegmentListBox::HeightForLines(int lines) const {
  // Measured as the list measures a line of its own, so it holds with any style and font.
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.features |= QStyleOptionViewItem::HasDisplay;
  option.text = QStringLiteral("0");
  const int line = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height();
  // The scroll bar's room is kept whether a line is wider than the list or not:
  // the lines stay when it shows.
  return lines * line + horizontalScrollBar()->sizeHint().height() + 2 * frameWidth();
}
