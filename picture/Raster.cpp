#include "picture/Raster.h"

#include <algorithm>
#include <cmath>

#include "picture/BitmapFont.h"

namespace picture {
namespace {

// The bitmap font at one pixel per dot suits labels up to this size; larger
// ones are drawn with every dot as a square of whole pixels.
constexpr double kLabelSizePerDot = 10;

// Mixes color over one pixel, weighted by how much of the pixel it covers (0..1).
void Blend(RgbImage& image, int x, int y, const Color& color, double coverage) {
  const double weight = coverage * color.a / 255.0;
  if (weight <= 0) return;
  std::uint8_t* pixel = image.Pixel(x, y);
  const std::uint8_t channels[3] = {color.r, color.g, color.b};
  for (int i = 0; i < 3; ++i) pixel[i] = std::uint8_t(std::lround(pixel[i] + (channels[i] - pixel[i]) * weight));
}

// The share of pixel cell [cell, cell + 1) that the interval [from, to) covers.
double Overlap(int cell, double from, double to) {
  return std::clamp(std::min(to, cell + 1.0) - std::max(from, double(cell)), 0.0, 1.0);
}

// Whole pixels from..to-1 that a span touches, clipped to 0..limit-1.
struct PixelSpan {
  int from, to;
};

PixelSpan Touched(double from, double to, int limit) {
  return {std::clamp(int(std::floor(from)), 0, limit), std::clamp(int(std::ceil(to)), 0, limit)};
}

void Draw(RgbImage& image, const FilledRect& rect) {
  const PixelSpan xs = Touched(rect.x, rect.x + rect.width, image.width);
  const PixelSpan ys = Touched(rect.y, rect.y + rect.height, image.height);
  for (int y = ys.from; y < ys.to; ++y) {
    const double rowCoverage = Overlap(y, rect.y, rect.y + rect.height);
    for (int x = xs.from; x < xs.to; ++x)
      Blend(image, x, y, rect.fill, rowCoverage * Overlap(x, rect.x, rect.x + rect.width));
  }
}

double DistanceToSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double lengthSquared = dx * dx + dy * dy;
  const double t = lengthSquared > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0) : 0;
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// The stroke's coverage is gathered first, as the largest over its pieces, so
// that a translucent stroke does not darken where its pieces overlap at a joint.
void Draw(RgbImage& image, const Polyline& line) {
  if (line.points.empty()) return;
  const double reach = line.width / 2 + 1;
  double left = line.points[0].x, right = left, top = line.points[0].y, bottom = top;
  for (const Point& p : line.points) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  const PixelSpan boxX = Touched(left - reach, right + reach, image.width);
  const PixelSpan boxY = Touched(top - reach, bottom + reach, image.height);
  const int boxWidth = boxX.to - boxX.from;
  if (boxWidth <= 0 || boxY.to <= boxY.from) return;
  std::vector<float> coverage(std::size_t(boxWidth) * std::size_t(boxY.to - boxY.from), 0.0f);

  const std::size_t pieces = std::max<std::size_t>(line.points.size() - 1, 1);
  for (std::size_t i = 0; i < pieces; ++i) {
    const Point a = line.points[i];
    const Point b = line.points[std::min(i + 1, line.points.size() - 1)];
    const PixelSpan xs = Touched(std::min(a.x, b.x) - reach, std::max(a.x, b.x) + reach, image.width);
    const PixelSpan ys = Touched(std::min(a.y, b.y) - reach, std::max(a.y, b.y) + reach, image.height);
    for (int y = ys.from; y < ys.to; ++y)
      for (int x = xs.from; x < xs.to; ++x) {
        const double d = DistanceToSegment({x + 0.5, y + 0.5}, a, b);
        float& cell = coverage[std::size_t(y - boxY.from) * std::size_t(boxWidth) + std::size_t(x - boxX.from)];
        cell = std::max(cell, float(std::clamp(line.width / 2 + 0.5 - d, 0.0, 1.0)));
      }
  }
  for (int y = boxY.from; y < boxY.to; ++y)
    for (int x = boxX.from; x < boxX.to; ++x)
      Blend(image, x, y, line.stroke,
            coverage[std::size_t(y - boxY.from) * std::size_t(boxWidth) + std::size_t(x - boxX.from)]);
}

void Draw(RgbImage& image, const Label& label) {
  const int dot = std::max(1, int(std::lround(label.size / kLabelSizePerDot)));
  const int width = int(label.text.size()) * kGlyphAdvance * dot - dot;
  int left = int(std::lround(label.at.x));
  if (label.anchor == Anchor::Middle) left -= width / 2;
  if (label.anchor == Anchor::End) left -= width;
  const int top = int(std::lround(label.at.y - kGlyphHeight * dot / 2.0));
  for (std::size_t i = 0; i < label.text.size(); ++i) {
    const GlyphRows* glyph = FindGlyph(label.text[i]);
    if (!glyph) continue;
    const int glyphLeft = left + int(i) * kGlyphAdvance * dot;
    for (int row = 0; row < kGlyphHeight; ++row)
      for (int column = 0; column < kGlyphWidth; ++column)
        if ((*glyph)[std::size_t(row)] & (0x10 >> column))
          Draw(image, FilledRect{double(glyphLeft + column * dot), double(top + row * dot), double(dot), double(dot),
                                 label.color});
  }
}

}  // namespace

RgbImage::RgbImage(int width, int height, Color fill)
    : width(width), height(height), pixels(std::size_t(width) * std::size_t(height) * 3) {
  for (std::size_t i = 0; i < pixels.size(); i += 3) {
    pixels[i] = fill.r;
    pixels[i + 1] = fill.g;
    pixels[i + 2] = fill.b;
  }
}

RgbImage Rasterize(const Scene& scene) {
  RgbImage image(int(std::ceil(scene.width)), int(std::ceil(scene.height)), scene.background);
  for (const Primitive& primitive : scene.primitives)
    std::visit([&image](const auto& shape) { Draw(image, shape); }, primitive);
  return image;
}

}  // namespace picture
