#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// What an SVG file draws, as read back with QXmlStreamReader.
struct SvgContent {
  QString viewBox;
  struct Text {
    QString text;
    double x, y;  // the start of its baseline
    int pixelSize;
  };
  std::vector<Text> texts;
  std::vector<QString> fills;    // of every group, in order
  std::vector<QString> strokes;  // of every group, in order
  QString error;                 // empty when the file is well-formed
};

SvgContent ReadSvg(const QByteArray& svg);
