#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

// F6 and Shift+F6 move the keyboard focus from one part of a window to the
// next and back, as other desktop programs do, whatever Tab does inside a
// part. A part takes the focus back where it last was; a hidden part, or
// one with nothing to focus, is passed over.
class PartFocus : public QObject {
public:
  PartFocus(QWidget& window, std::vector<QWidget*> parts);

  // Focuses the part step places after (or, negative, before) the focused one.
  void Move(int step);

private:
  std::vector<QPointer<QWidget>> m_parts;
};
