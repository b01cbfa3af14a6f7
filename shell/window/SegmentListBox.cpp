#include "shell/window/SegmentListBox.h"

#include <QStringListModel>
#include <QStyle>

#include "shell/dialogs/DialogUnits.h"
#include "shell/window/FocusFrame.h"
#include "shell/window/TabStopDelegate.h"

SegmentListBox::SegmentListBox(QWidget* parent) : QListView(parent), m_pLines(new QStringListModel(this)) {
  setModel(m_pLines);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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

void SegmentListBox::SetTabStops(const std::vector<int>& dialogUnits) {
  const DialogUnits units(fontMetrics());
  std::vector<int> pixels;
  for (int stop : dialogUnits) pixels.push_back(units.X(stop));
  auto* columns = new TabStopDelegate(std::move(pixels), this);
  setItemDelegate(columns);
  delete m_pColumns;
  m_pColumns = columns;
}

void SegmentListBox::ResetContent() { m_pLines->setStringList({}); }

void SegmentListBox::AddStrings(const QStringList& lines) {
  // One model reset instead of a row insertion per line keeps a long listing
  // quick; the list is filled right after ResetContent, so no selection is lost.
  if (!lines.isEmpty()) m_pLines->setStringList(m_pLines->stringList() + lines);
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
  return lines * line + 2 * frameWidth();
}
