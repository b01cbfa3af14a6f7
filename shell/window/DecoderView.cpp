#include "shell/window/DecoderView.h"

#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QUndoStack>

#include "framework/MessageBox.h"
#include "listing/ElevationFit.h"
#include "shell/dialogs/DialogUnits.h"
#include "shell/dialogs/ElevationDlg.h"
#include "shell/window/ElidedLabel.h"
#include "shell/window/FitText.h"
#include "shell/window/ListingWords.h"
#include "shell/window/SegmentListBox.h"
#include "shell/window/ViewCommands.h"
#include "trackfile/DecoderDoc.h"
#include "trackfile/TrackCommands.h"
#include "trackfile/TrackState.h"

namespace {
// Where the listing's columns line up: the count, the text, and a further stop
// for a range of segment numbers too wide for the first column.
const std::vector<int> kListTabStops = {36, 50, 64};
}  // namespace

CDecoderView::CDecoderView(CDecoderDoc& document, QUndoStack& undoStack, QWidget* parent)
    : QWidget(parent), m_document(document), m_undoStack(undoStack) {
  // The form's controls in the order of its tab sequence.
  m_pFields = new QGridLayout;
  m_pFields->setContentsMargins(0, 0, 4, 0);
  m_pFields->setColumnStretch(1, 1);
  m_wndRideType = AddField("Ride Type:", 0);
  m_wndVehicleType = AddField("Vehicle Type:", 1);
  m_wndOperatingMode = AddField("Operating Mode:", 2);
  m_wndFileFormat = AddField("File Format:", 3);
  // Names of any length must not widen the window; they end in "…" at its edge.
  for (QLabel* name : {m_wndRideType, m_wndVehicleType, m_wndOperatingMode})
    name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  // The edition's field keeps its size however wide the window.
  m_pFields->setAlignment(m_wndFileFormat, Qt::AlignLeft | Qt::AlignTop);
  m_wndSegmentCount = MakeStatic("");
  ShowNoDesign();

  m_wndSegmentList = new SegmentListBox(this);
  m_wndSegmentList->SetTabStops(kListTabStops);

  // The fields scroll where the screen has no room for all their rows.
  auto* fields = new QWidget;
  fields->setLayout(m_pFields);
  m_pFieldsArea = new QScrollArea(this);
  m_pFieldsArea->setWidget(fields);
  m_pFieldsArea->setWidgetResizable(true);
  m_pFieldsArea->setFrameShape(QFrame::NoFrame);
  m_pFieldsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_pFieldsArea->setFocusPolicy(Qt::NoFocus);
  m_pFieldsArea->viewport()->setAutoFillBackground(false);
  fields->setAutoFillBackground(false);

  m_pForm = new QVBoxLayout(this);
  m_pForm->setSpacing(0);
  m_pForm->addWidget(m_pFieldsArea);
  m_pForm->addSpacing(0);
  m_pForm->addWidget(m_wndSegmentCount, 0, Qt::AlignLeft);
  m_pForm->addSpacing(0);
  m_pListRow = new QHBoxLayout;
  m_pListRow->addWidget(m_wndSegmentList);
  m_pForm->addLayout(m_pListRow, 1);
  SpaceForFont();

  connect(&m_undoStack, &QUndoStack::indexChanged, this, &CDecoderView::SyncModifiedFlag);
  connect(&m_undoStack, &QUndoStack::cleanChanged, this, &CDecoderView::SyncModifiedFlag);
}

void CDecoderView::ShowNoDesign() {
  m_wndRideType->setText(QStringLiteral("<No file loaded>"));
  m_wndVehicleType->clear();
  m_wndOperatingMode->clear();
  m_wndFileFormat->setText(QStringLiteral("<unknown>"));
  m_wndSegmentCount->setText(QStringLiteral("Track Segments:"));
}

QLabel* CDecoderView::MakeStatic(const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text), this);
  label->setTextFormat(Qt::PlainText);
  return label;
}

ElidedLabel* CDecoderView::AddField(const char* caption, int row) {
  QLabel* name = MakeStatic(caption);
  m_pFields->addWidget(name, row, 0, Qt::AlignLeft | Qt::AlignTop);
  auto* field = new ElidedLabel(this);
  // A screen reader reads the value as labelled by its caption.
  name->setBuddy(field);
  m_pFields->addWidget(field, row, 1);
  return field;
}

// The form keeps the proportions it was drawn with in dialog units, which
// follow the font: the fields start 66 units in, or after the widest caption
// where a font is wider than that. Its pixel margins at the right and bottom
// stay as they are: the names reach to 4 pixels from the right edge, the list
// has its left margin on the right too and ends 2 pixels above the bottom.
void CDecoderView::SpaceForFont() {
  const DialogUnits units(fontMetrics());
  const int margin = units.X(4);
  m_pForm->setContentsMargins(margin, units.Y(4), 0, 2);
  m_pFields->setHorizontalSpacing(units.X(4));
  m_pFields->setVerticalSpacing(units.Y(9) - units.Y(8));
  m_pFields->setColumnMinimumWidth(0, units.X(66) - units.X(4) - margin);
  // The heading sits 4 units below the last field, the list 2 units below the heading.
  m_pForm->itemAt(1)->spacerItem()->changeSize(0, units.Y(43) - units.Y(39), QSizePolicy::Minimum, QSizePolicy::Fixed);
  m_pForm->itemAt(3)->spacerItem()->changeSize(0, units.Y(53) - units.Y(51), QSizePolicy::Minimum, QSizePolicy::Fixed);
  m_pListRow->setContentsMargins(0, 0, margin, 0);
  m_wndSegmentList->setMinimumHeight(m_wndSegmentList->HeightForLines(m_nMinListedLines));
  SizeFieldsArea();
  m_pForm->invalidate();
}

// The fields get no more room than their rows take, and give up rows only when told.
void CDecoderView::SizeFieldsArea() {
  const auto height = [this](int rows) {
    return rows * m_wndRideType->sizeHint().height() + (rows - 1) * m_pFields->verticalSpacing();
  };
  m_pFieldsArea->setMinimumHeight(height(m_nMinFieldRows));
  m_pFieldsArea->setMaximumHeight(height(kFieldRows));
}

void CDecoderView::SetMinFieldRows(int rows) {
  m_nMinFieldRows = rows;
  SizeFieldsArea();
  m_pForm->invalidate();
}

void CDecoderView::SetMinListedLines(int lines) {
  m_nMinListedLines = lines;
  m_wndSegmentList->setMinimumHeight(m_wndSegmentList->HeightForLines(lines));
  // The form's layouts keep the list's last minimum until told.
  m_pListRow->invalidate();
  m_pForm->invalidate();
}

void CDecoderView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) SpaceForFont();
}

void CDecoderView::OnInitialUpdate() {
  m_undoStack.clear();
  OnUpdate();
}

void CDecoderView::OnDocumentSaved() { m_undoStack.setClean(); }

void CDecoderView::OnUpdate() {
  ListTrack();
  if (m_wndSegmentList->GetCount() > 0) m_wndSegmentList->SetCurSel(0);
}

void CDecoderView::OnSetElevation() {
  CElevationDlg dialog(window());
  dialog.m_nElevation = m_nStartElevation;
  if (!m_document.IsEmpty()) dialog.m_strFit = FitText(MeasureElevations(m_document, m_nStartElevation));
  if (dialog.DoModal() != IDOK || dialog.m_nElevation == m_nStartElevation) return;
  m_undoStack.push(new CStartElevationCommand(*this, m_nStartElevation, dialog.m_nElevation));
}

void CDecoderView::OnMirrorTrack() { RunTrackCommand(QStringLiteral("Mirror Track"), RunMirrorTrackCommand); }

void CDecoderView::OnReverseTrack() { RunTrackCommand(QStringLiteral("Reverse Track"), RunReverseTrackCommand); }

void CDecoderView::RunTrackCommand(const QString& text, TrackCommand command) {
  TrackState before = CaptureTrackState(m_document);
  const Outcome outcome = command(m_document, AskThroughMessageBox);
  if (outcome.kind == Outcome::Kind::Refused) ShowMessageBox(outcome.message);
  if (outcome.IsDone()) {
    TrackState after = CaptureTrackState(m_document);
    // Pushing shows the new state; a track that came out as it was has nothing to undo.
    if (after != before) m_undoStack.push(new CTrackCommand(text, *this, std::move(before), std::move(after)));
  }
  // Also when nothing was pushed: a track left as it was is no unsaved change.
  SyncModifiedFlag();
}

void CDecoderView::ShowTrackState(const TrackState& state) {
  RestoreTrackState(m_document, state);
  RelistKeepingSelection();
}

void CDecoderView::ShowStartElevation(int elevation) {
  m_nStartElevation = elevation;
  RelistKeepingSelection();
}

void CDecoderView::RelistKeepingSelection() {
  const int selected = m_wndSegmentList->GetCurSel();
  ListTrack();
  if (selected >= 0 && selected < m_wndSegmentList->GetCount()) m_wndSegmentList->SetCurSel(selected);
}

void CDecoderView::SyncModifiedFlag() {
  m_document.SetModifiedFlag(TrackChangedSinceSave(m_undoStack));
  emit documentChanged();
}

void CDecoderView::OnUpdateFileSaveAs(QAction& command) const { command.setEnabled(m_document.m_nDataLen > 0); }

void CDecoderView::OnUpdateTrackCommand(QAction& command) const { command.setEnabled(m_document.m_nSegments != 0); }

void CDecoderView::ListTrack() {
  // The listing leaves the texts alone when there is no design; they must not
  // go on showing a design that was closed or refused.
  if (!m_document.m_pData) ShowNoDesign();
  ListTrackToScreen(m_document, m_nStartElevation, *this);
  m_wndSegmentList->AddStrings(m_listedLines);
  m_listedLines.clear();
  m_wndSegmentList->setAccessibleDescription(ListDescription(m_document.m_nSegments, m_wndSegmentList->GetCount()));
  emit listed();
}

void CDecoderView::ResetList() {
  m_wndSegmentList->ResetContent();
  m_listedLines.clear();
}

void CDecoderView::SetFieldText(FormField field, const std::string& text) {
  QLabel* label = nullptr;
  switch (field) {
    case FormField::RideType:
      label = m_wndRideType;
      break;
    case FormField::VehicleType:
      label = m_wndVehicleType;
      break;
    case FormField::OperatingMode:
      label = m_wndOperatingMode;
      break;
    case FormField::SegmentCount:
      label = m_wndSegmentCount;
      break;
    case FormField::FileFormat:
      label = m_wndFileFormat;
      break;
  }
  label->setText(QString::fromStdString(text));
}

// Lines are collected and handed to the list in one go after the listing.
void CDecoderView::AddLine(const std::string& line) { m_listedLines.append(QString::fromStdString(line)); }
