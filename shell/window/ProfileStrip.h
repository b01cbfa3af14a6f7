#pragma once

#include <QPixmap>
#include <QWidget>

#include "listing/ElevationProfile.h"
#include "listing/ProfileLayout.h"

// The elevation profile of the listed design, drawn below the segment list:
// the same picture as td4 profile writes, in the colours of the widget's
// palette and with its font. Hovering shows a segment's line and
// elevations; clicking asks for its line to be selected; the selected line's
// stretch is highlighted. With the focus, Left and Right (Home and End) move
// a marker from segment to segment, choosing each one's line as a click
// does, and a screen reader reads the marker as the tooltip tells it. The picture is drawn once per size, profile and
// selection, and kept, so a long track costs nothing while the mouse moves.
class CProfileStrip : public QWidget {
  Q_OBJECT
public:
  explicit CProfileStrip(QWidget* parent);

  // Shows a new profile, with no line highlighted.
  void SetProfile(ElevationProfile profile);
  const ElevationProfile& GetProfile() const { return m_profile; }

  // Highlights the stretch of a listing line (an index into the profile's lines); -1 for none.
  void SetSelectedLine(int line);
  int GetSelectedLine() const { return m_nSelectedLine; }

  // What the strip tells where the pointer is over no segment: the
  // starting elevations at which the design fits; empty for nothing.
  void SetFitText(const QString& text);
  const QString& FitText() const { return m_strFit; }

  // The segment (0-based) the keyboard's marker is on; -1 before the keys or a click placed it.
  int GetMarker() const { return m_nMarker; }
  // The marked segment as its tooltip tells it; empty without a marker.
  QString MarkerText() const;
  // Where the marker is drawn: the marked segment's column of the plot.
  QRect MarkerRect() const;

  // Where the strip draws its plot and segments, at its present size.
  ProfileLayout Layout() const;
  // The tooltip of a segment (0-based): its number and elevations, then its
  // line as the list shows it.
  QString SegmentTip(int segment) const;

  // Where the window has no room for the smallest plot, the strip may get no height at all.
  void SetMayShrinkAway(bool may);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

signals:
  // The user chose this listing line: clicked its stretch or moved the marker onto it.
  void lineChosen(int line);

protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void MoveMarker(int segment);
  // How much larger than in picture files the labels are, in the widget's font.
  double TextScale() const;

  ElevationProfile m_profile;
  int m_nSelectedLine = -1;
  int m_nMarker = -1;
  bool m_bMayShrinkAway = false;
  QString m_strFit;
  QPixmap m_picture;  // null once it no longer matches the size, profile, selection, palette or font
};
