#pragma once

#include <QLabel>

// A one-line label whose text ends in "…" where it is wider than the label, so
// that a cut is seen as one. text() and what a screen reader reads stay the
// whole text; a tooltip shows it while part of it is hidden.
class ElidedLabel : public QLabel {
  Q_OBJECT
public:
  explicit ElidedLabel(QWidget* parent);

  // The text as painted at the present width and font.
  QString ShownText() const;

  // As narrow as an ellipsis: the label gives way before the window grows.
  QSize minimumSizeHint() const override;

protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};
