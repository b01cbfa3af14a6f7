#include "shell/window/DecoderView.h"

#include <algorithm>

#include <QAction>
#include <QLabel>
#include <QResizeEvent>
#include <QUndoStack>

#include "framework/MessageBox.h"
#include "listing/ElevationFit.h"
#include "shell/dialogs/DialogUnits.h"
#include "shell/dialogs/ElevationDlg.h"
#include "shell/window/FitText.h"
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
  // The form's controls in dialog units, in the order of its tab sequence.
  AddCaption("Ride Type:", 4, 4, 39, 8);
  m_wndRideType = AddStatic("", 66, 4, 95, 8);
  AddCaption("Vehicle Type:", 4, 13, 44, 8);
  m_wndVehicleType = AddStatic("", 66, 13, 95, 8);
  AddCaption("Operating Mode:", 4, 22, 54, 8);
  m_wndOperatingMode = AddStatic("", 66, 22, 95, 8);
  AddCaption("File Format:", 4, 31, 62, 8);
  m_wndFileFormat = AddStatic("", 66, 31, 95, 8);
  m_wndSegmentCount = AddStatic("", 4, 43, 157, 8);
  ShowNoDesign();

  m_wndSegmentList = new SegmentListBox(this);
  m_wndSegmentList->setGeometry(DialogUnits(fontMetrics()).Rect(4, 53, 157, 92));
  m_wndSegmentList->SetTabStops(kListTabStops);

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

QLabel* CDecoderView::AddStatic(const char* text, int x, int y, int width, int height) {
  auto* label = new QLabel(QString::fromUtf8(text), this);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(DialogUnits(fontMetrics()).Rect(x, y, width, height));
  return label;
}

// Captions are never cut short: a wider font than the layout was drawn for
// still leaves them room before the fields at their right.
void CDecoderView::AddCaption(const char* text, int x, int y, int width, int height) {
  QLabel* caption = AddStatic(text, x, y, width, height);
  caption->resize(std::max(caption->width(), caption->sizeHint().width()), caption->height());
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

void CDecoderView::RunTrackCommand(const QString& text, bool (*command)(CDecoderDoc&)) {
  TrackState before = CaptureTrackState(m_document);
  if (command(m_document)) {
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

void CDecoderView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  OnSize(event->size().width(), event->size().height());
}

void CDecoderView::OnSize(int cx, int cy) {
  // The list keeps its place, its left margin on the right too, and reaches
  // down to 2 pixels above the bottom.
  const QRect list = m_wndSegmentList->geometry();
  m_wndSegmentList->setGeometry(list.left(), list.top(), cx - 2 * list.left(), cy - 2 - list.top());

  // The name fields, which can hold long names, reach to 4 pixels from the right.
  for (QLabel* field : {m_wndRideType, m_wndOperatingMode, m_wndVehicleType}) {
    const QRect rect = field->geometry();
    field->setGeometry(rect.left(), rect.top(), (cx - 4) - rect.left(), rect.height());
  }
}

QSize CDecoderView::minimumSizeHint() const {
  // The list's top stays where the form put it; below it the list and its 2-pixel margin.
  const int listTop = m_wndSegmentList->geometry().top();
  return {0, listTop + m_wndSegmentList->HeightForLines(kMinListedLines) + 2};
}

void CDecoderView::ListTrack() {
  // The listing leaves the texts alone when there is no design; they must not
  // go on showing a design that was closed or refused.
  if (!m_document.m_pData) ShowNoDesign();
  ListTrackToScreen(m_document, m_nStartElevation, *this);
  m_wndSegmentList->AddStrings(m_listedLines);
  m_listedLines.clear();
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
