#pragma once

#include <cstdint>
#include <vector>

#include "listing/Scene.h"

class SceneFont;

enum class PictureFormat { Svg, Png };

// The scene painted in the light picture colours, as the whole content of a
// PNG file (compressed) or an SVG file (text left as text, numbers written the
// same in every locale). A PNG has pixelRatio pixels to a scene unit; an SVG
// scales itself. Needs a QGuiApplication; throws CMemoryException when the
// picture cannot be held in memory.
std::vector<std::uint8_t> EncodePicture(const scene::Scene& scene, PictureFormat format, const SceneFont& font,
                                        double pixelRatio = 1);
