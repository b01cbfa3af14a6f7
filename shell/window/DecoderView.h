#pragma once

#include <QStringList>
#include <QWidget>

#include "listing/ListTrack.h"
#include "shell/platform/FileLauncher.h"
#include "shell/window/ElidedLabel.h"
#include "trackfile/TrackCommands.h"

class CDecoderDoc;
class QAction;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QScrollArea;
class QUndoStack;
class QVBoxLayout;
class SegmentListBox;
struct TrackState;

// The form that shows the open design: ride type, vehicle type, operating mode,
// file edition, the segment count heading and the segment list. It owns the
// starting elevation of the listing and the commands that change the listing,
// which it puts on the undo stack; the document's modified flag follows that stack.
class CDecoderView : public QWidget, private IListingScreen {
  Q_OBJECT
public:
  // The list shows this many lines however small the window gets, where the
  // screen has room for them, and never fewer than the last.
  static constexpr int kMinListedLines = 8;
  static constexpr int kFewestListedLines = 3;

  CDecoderView(CDecoderDoc& document, QUndoStack& undoStack, QWidget* parent);

  CDecoderDoc& GetDocument() const { return m_document; }
  // How many lines the list keeps at the smallest size (the font decides their height).
  void SetMinListedLines(int lines);
  int MinListedLines() const { return m_nMinListedLines; }
  // How many of the four field rows show at the smallest size; the others are scrolled to.
  static constexpr int kFieldRows = 4;
  void SetMinFieldRows(int rows);
  QScrollArea& FieldsArea() const { return *m_pFieldsArea; }

  // A document was created or opened in the window: nothing before it can be undone.
  void OnInitialUpdate();
  // The document was saved: the present state is the file's.
  void OnDocumentSaved();
  // Lists the document again and selects its first line.
  void OnUpdate();

  void OnSetElevation();
  void OnMirrorTrack();
  void OnReverseTrack();
  // Writes the listing to a text file the user chooses, and opens it on request.
  void OnExport();

  // Who opens an exported file; the desktop's default program unless replaced.
  void SetFileLauncher(IFileLauncher& launcher) { m_pFileLauncher = &launcher; }

  // What an undo or redo puts back; the design is listed again, keeping the selected line.
  void ShowTrackState(const TrackState& state);
  void ShowStartElevation(int elevation);

  // Enable the commands that need a loaded design (Save and Save As), or at least one segment.
  void OnUpdateFileSaveAs(QAction& command) const;
  void OnUpdateTrackCommand(QAction& command) const;

  ElidedLabel* m_wndFileFormat;
  QLabel* m_wndSegmentCount;
  SegmentListBox* m_wndSegmentList;
  ElidedLabel* m_wndOperatingMode;
  ElidedLabel* m_wndVehicleType;
  ElidedLabel* m_wndRideType;
  int m_nStartElevation = 1;
  int m_nMinListedLines = kMinListedLines;
  int m_nMinFieldRows = kFieldRows;

signals:
  // A command changed the document or its listing.
  void documentChanged();
  // The listing was made again: for another design, starting elevation or track.
  void listed();

protected:
  // The form's spacing follows the font.
  void changeEvent(QEvent* event) override;

private:
  void ListTrack();
  // Lists again and selects the line that was selected, if it is still there.
  void RelistKeepingSelection();
  // Shows the texts the form has while no design is loaded.
  void ShowNoDesign();
  // Runs Mirror Track or Reverse Track and puts what it changed on the undo stack.
  void RunTrackCommand(const QString& text, TrackCommand command);
  // Marks the document modified when it differs from its file, and says so.
  void SyncModifiedFlag();
  QLabel* MakeStatic(const char* text);
  // A caption and the field at its right, in the given row of the fields.
  ElidedLabel* AddField(const char* caption, int row);
  void SpaceForFont();
  void SizeFieldsArea();

  void ResetList() override;
  void SetFieldText(FormField field, const std::string& text) override;
  void AddLine(const std::string& line) override;

  QVBoxLayout* m_pForm;
  QGridLayout* m_pFields;
  QScrollArea* m_pFieldsArea;
  QHBoxLayout* m_pListRow;
  CDecoderDoc& m_document;
  QUndoStack& m_undoStack;
  QStringList m_listedLines;
  IFileLauncher* m_pFileLauncher = &DesktopFileLauncher();
};
