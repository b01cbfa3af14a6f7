#pragma once

#include "picture/Scene.h"

class QPainter;

// Draws the scene with the painter, at one device-independent pixel per unit:
// the same picture the SVG and PNG writers make, with the desktop's font for labels.
void PaintScene(QPainter& painter, const picture::Scene& scene);
