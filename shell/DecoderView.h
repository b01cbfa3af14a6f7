#pragma once

#include <QStringList>
#include <QWidget>

#include "listing/ListTrack.h"
#include "shell/FileLauncher.h"

class CDecoderDoc;
class QAction;
class QLabel;
class SegmentListBox;

// The form that shows the open design: ride type, vehicle type, operating mode,
// file edition, the segment count heading and the segment list. It owns the
// starting elevation of the listing and the commands that change the listing.
class CDecoderView : public QWidget, private IListingScreen {
  Q_OBJECT
public:
  CDecoderView(CDecoderDoc& document, QWidget* parent);

  CDecoderDoc& GetDocument() const { return m_document; }

  // A document was created or opened in the window.
  void OnInitialUpdate();
  // Lists the document again and selects its first line.
  void OnUpdate();

  void OnSetElevation();
  void OnMirrorTrack();
  void OnReverseTrack();
  // Writes the listing to a text file the user chooses, and opens it on request.
  void OnExport();

  // Who opens an exported file; the desktop's default program unless replaced.
  void SetFileLauncher(IFileLauncher& launcher) { m_pFileLauncher = &launcher; }

  // Enable the commands that need a loaded design, or at least one segment.
  void OnUpdateFileSaveAs(QAction& command) const;
  void OnUpdateTrackCommand(QAction& command) const;

  // Stretches the list and the name fields over a client area of cx by cy pixels.
  void OnSize(int cx, int cy);

  QLabel* m_wndFileFormat;
  QLabel* m_wndSegmentCount;
  SegmentListBox* m_wndSegmentList;
  QLabel* m_wndOperatingMode;
  QLabel* m_wndVehicleType;
  QLabel* m_wndRideType;
  int m_nStartElevation = 1;

signals:
  // A command changed the document or its listing.
  void documentChanged();
  // The listing was made again: for another design, starting elevation or track.
  void listed();

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  void ListTrack();
  QLabel* AddStatic(const char* text, int x, int y, int width, int height);
  void AddCaption(const char* text, int x, int y, int width, int height);

  void ResetList() override;
  void SetFieldText(FormField field, const std::string& text) override;
  void AddLine(const std::string& line) override;

  CDecoderDoc& m_document;
  QStringList m_listedLines;
  IFileLauncher* m_pFileLauncher = &DesktopFileLauncher();
};
