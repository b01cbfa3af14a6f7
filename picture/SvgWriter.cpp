#include "picture/SvgWriter.h"

#include <cstdio>

namespace picture {
namespace {

// Coordinates to two decimals: finer than any screen, and short.
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  std::string number = text;
  number.erase(number.find_last_not_of('0') + 1);
  if (number.back() == '.') number.pop_back();
  return number == "-0" ? "0" : number;
}

std::string Paint(const char* attribute, const Color& color) {
  char text[96];
  std::snprintf(text, sizeof text, " %s=\"#%02x%02x%02x\"", attribute, color.r, color.g, color.b);
  std::string paint = text;
  if (color.a != 255) paint += std::string(" ") + attribute + "-opacity=\"" + Number(color.a / 255.0) + "\"";
  return paint;
}

std::string Escaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '&':
        escaped += "&amp;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

const char* TextAnchor(Anchor anchor) {
  switch (anchor) {
    case Anchor::Start:
      return "start";
    case Anchor::Middle:
      return "middle";
    case Anchor::End:
      break;
  }
  return "end";
}

std::string Element(const FilledRect& rect) {
  return "<rect x=\"" + Number(rect.x) + "\" y=\"" + Number(rect.y) + "\" width=\"" + Number(rect.width) +
         "\" height=\"" + Number(rect.height) + "\"" + Paint("fill", rect.fill) + " stroke=\"none\"/>\n";
}

std::string Element(const Polyline& line) {
  std::string points;
  for (const Point& point : line.points) {
    if (!points.empty()) points += ' ';
    points += Number(point.x) + "," + Number(point.y);
  }
  return "<polyline points=\"" + points + "\" fill=\"none\"" + Paint("stroke", line.stroke) + " stroke-width=\"" +
         Number(line.width) + "\" stroke-linejoin=\"round\" stroke-linecap=\"round\"/>\n";
}

// Shifted down by 0.35em to centre on y: not every renderer understands dominant-baseline.
std::string Element(const Label& label) {
  return "<text x=\"" + Number(label.at.x) + "\" y=\"" + Number(label.at.y) + "\" font-size=\"" + Number(label.size) +
         "\" text-anchor=\"" + TextAnchor(label.anchor) + "\" dy=\"0.35em\"" + Paint("fill", label.color) + ">" +
         Escaped(label.text) + "</text>\n";
}

}  // namespace

std::string WriteSvg(const Scene& scene) {
  const std::string width = Number(scene.width);
  const std::string height = Number(scene.height);
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                    width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height +
                    "\" font-family=\"sans-serif\">\n";
  svg += Element(FilledRect{0, 0, scene.width, scene.height, scene.background});
  for (const Primitive& primitive : scene.primitives)
    svg += std::visit([](const auto& shape) { return Element(shape); }, primitive);
  svg += "</svg>\n";
  return svg;
}

}  // namespace picture
