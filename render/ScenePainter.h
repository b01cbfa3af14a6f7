#pragma once

#include "listing/Scene.h"

class QPainter;
class SceneColours;
class SceneFont;

// Paints the scene at one device-independent pixel per unit, on whatever device
// the painter paints: the window, an image, an SVG generator.
void PaintScene(QPainter& painter, const scene::Scene& scene, const SceneColours& colours, const SceneFont& font);
