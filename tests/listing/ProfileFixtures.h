#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "listing/Scene.h"

// Text 0.6 of its size wide for every character, as a monospaced font makes it.
class MonospacedText : public scene::ITextMeasure {
public:
  double Width(const std::string& text, double size) const override { return 0.6 * size * double(text.size()); }
};

// Every shape of one kind in the scene, in drawing order.
template <class Shape>
std::vector<Shape> All(const scene::Scene& scene) {
  std::vector<Shape> shapes;
  for (const scene::Shape& shape : scene.shapes)
    if (const Shape* match = std::get_if<Shape>(&shape)) shapes.push_back(*match);
  return shapes;
}
