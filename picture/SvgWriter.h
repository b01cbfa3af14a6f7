#pragma once

#include <string>

#include "picture/Scene.h"

namespace picture {

// The scene as a standalone SVG document, one element per primitive. Labels
// use a sans-serif font; their text is escaped for XML.
std::string WriteSvg(const Scene& scene);

}  // namespace picture
