#include "tests/render/SvgText.h"

#include <QXmlStreamReader>

SvgContent ReadSvg(const QByteArray& svg) {
  SvgContent content;
  QXmlStreamReader reader(svg);
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes attributes = reader.attributes();
    if (reader.name() == u"svg") {
      content.viewBox = attributes.value(QStringLiteral("viewBox")).toString();
    } else if (reader.name() == u"g") {
      content.fills.push_back(attributes.value(QStringLiteral("fill")).toString());
      content.strokes.push_back(attributes.value(QStringLiteral("stroke")).toString());
    } else if (reader.name() == u"text") {
      SvgContent::Text text{{},
                            attributes.value(QStringLiteral("x")).toDouble(),
                            attributes.value(QStringLiteral("y")).toDouble(),
                            attributes.value(QStringLiteral("font-size")).toInt()};
      text.text = reader.readElementText();
      content.texts.push_back(text);
    }
  }
  if (reader.hasError()) content.error = reader.errorString();
  return content;
}
