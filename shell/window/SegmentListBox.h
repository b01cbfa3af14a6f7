#pragma once

#include <QListView>
#include <QStringList>
#include <vector>

class QStringListModel;
class TabStopDelegate;

// The form's list of listing lines: unsorted, one line selectable at a time,
// read-only, with the tab-separated columns lined up at tab stops, scrolling
// sideways where a line is wider than the list. Ctrl+C
// copies the selected line's text exactly as listed. Screen readers know it
// as "Track segments". A model holds the lines,
// so a design of a hundred thousand segments shows at once.
class SegmentListBox : public QListView {
  Q_OBJECT
public:
  explicit SegmentListBox(QWidget* parent);

  // Tab stops in dialog units of the list's font; they follow a change of font.
  void SetTabStops(const std::vector<int>& dialogUnits);

  void ResetContent();
  // Appends lines at the end, in order.
  void AddStrings(const QStringList& lines);

  int GetCount() const;
  QString GetText(int index) const;
  // The selected line's index, or -1 when none is selected.
  int GetCurSel() const;
  void SetCurSel(int index);

  // The height that shows this many whole lines, frame and a sideways scroll bar included.
  int HeightForLines(int lines) const;

  TabStopDelegate& Columns() const { return *m_pColumns; }

protected:
  // A screen reader hears of the new line as focused only while the list has the focus.
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void changeEvent(QEvent* event) override;

private:
  // Tells the columns how wide the widest line is.
  void MeasureWidestLine();

  QStringListModel* m_pLines;
  TabStopDelegate* m_pColumns = nullptr;
  std::vector<int> m_tabStopUnits;
};
