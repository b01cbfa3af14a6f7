#pragma once

#include <QColor>
#include <array>

#include "listing/Scene.h"

class QPalette;

// The colour of every ink, made from a few colours of a palette: the
// background around the plot, the plot's own, the text, the frame and the
// selection. The band, the grid and the stations are mixed from them; the
// hues stay (green band edges, blue track, orange chain lift, red out of
// range) and turn lighter on a dark plot, so that each meaning reads in any
// scheme.
class SceneColours {
public:
  SceneColours(QColor window, QColor base, QColor text, QColor mid, QColor highlight);

  QColor operator[](scene::Ink ink) const { return m_colours[std::size_t(ink)]; }

private:
  std::array<QColor, scene::kInkCount> m_colours;
};

// The colours of a widget's palette (window, base, text, mid and highlight).
SceneColours ColoursOf(const QPalette& palette);

// The light colours of picture files, whatever the desktop's scheme.
SceneColours PictureColours();
