#pragma once

#include <QWidget>

class QLineEdit;

// A pair of arrow buttons that step the whole number in a buddy edit field
// within a range; the Up and Down keys in the field step it too. A step starts
// from the number the field shows, or from the last position when the field
// holds none, and stops at the ends of the range. Screen readers know the
// field as a spin box with the control's range, and the arrows by name.
class UpDownControl : public QWidget {
  Q_OBJECT
public:
  UpDownControl(QLineEdit& buddy, QWidget* parent);

  // The control that steps field, or none.
  static UpDownControl* Of(const QLineEdit& field);

  void SetRange(int lower, int upper);
  int Lower() const { return m_nLower; }
  int Upper() const { return m_nUpper; }
  // Moves to pos (kept within the range) and writes it into the buddy.
  void SetPos(int pos);
  int GetPos() const { return m_nPos; }
  void Step(int delta);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QLineEdit& m_buddy;
  int m_nLower = 0;
  int m_nUpper = 100;
  int m_nPos = 0;
};
