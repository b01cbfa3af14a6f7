#include "shell/designs/ColumnChooser.h"

#include <QHeaderView>

#include "shell/designs/DesignTableModel.h"

ColumnChooser::ColumnChooser(QHeaderView& header) : QMenu(&header), m_header(header) {
  for (int section = 0; section < m_header.count(); ++section) {
    QAction* entry = addAction(m_header.model()->headerData(section, Qt::Horizontal).toString());
    entry->setCheckable(true);
    entry->setEnabled(section != DesignTableModel::FileName);
    connect(entry, &QAction::triggered, this, [this, section](bool shown) {
      m_header.setSectionHidden(section, !shown);
      emit shownChanged(Shown());
    });
  }
  // Whatever hid a column since, the entries tell the header as it is.
  connect(this, &QMenu::aboutToShow, this, [this] {
    for (int section = 0; section < m_header.count(); ++section)
      actions()[section]->setChecked(!m_header.isSectionHidden(section));
  });
  m_header.setContextMenuPolicy(Qt::CustomContextMenu);
  connect(&m_header, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { popup(m_header.mapToGlobal(at)); });
}

QStringList ColumnChooser::Shown() const {
  QStringList shown;
  for (int section = 0; section < m_header.count(); ++section)
    if (!m_header.isSectionHidden(section)) shown << actions()[section]->text();
  return shown;
}

void ColumnChooser::SetShown(const QStringList& headings) {
  for (int section = 0; section < m_header.count(); ++section) {
    const bool shown = section == DesignTableModel::FileName || headings.contains(actions()[section]->text());
    m_header.setSectionHidden(section, !shown);
    actions()[section]->setChecked(shown);
  }
}
