#include "render/PictureFile.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

#include "framework/AppInfo.h"
#include "framework/Exceptions.h"
#include "render/SceneColours.h"
#include "render/ScenePainter.h"

namespace {

QSize PictureSize(const scene::Scene& scene, double scale = 1) {
  return {int(std::ceil(scene.width * scale)), int(std::ceil(scene.height * scale))};
}

void Paint(QPaintDevice& device, const scene::Scene& scene, const SceneFont& font, double scale = 1) {
  QPainter painter;
  if (!painter.begin(&device)) throw CMemoryException();
  painter.scale(scale, scale);
  PaintScene(painter, scene, PictureColours(), font);
}

QByteArray Png(const scene::Scene& scene, const SceneFont& font, double pixelRatio) {
  QImage image(PictureSize(scene, pixelRatio), QImage::Format_RGB32);
  if (image.isNull()) throw CMemoryException();
  // The painter works in scene units, each pixelRatio pixels wide. A scale,
  // not a device pixel ratio: a ratio below 1 is not drawn at all.
  Paint(image, scene, font, pixelRatio);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!QImageWriter(&buffer, "png").write(image)) throw CMemoryException();
  return bytes;
}

QByteArray Svg(const scene::Scene& scene, const SceneFont& font) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  // At the resolution of CSS pixels, a picture unit is a pixel in every viewer.
  svg.setResolution(96);
  svg.setSize(PictureSize(scene));
  svg.setViewBox(QRectF(0, 0, scene.width, scene.height));
  svg.setTitle(QString::fromStdString(scene.title));
  svg.setDescription(QString::fromUtf8(kAppTitle));
  Paint(svg, scene, font);
  return bytes;
}

}  // namespace

std::vector<std::uint8_t> EncodePicture(const scene::Scene& scene, PictureFormat format, const SceneFont& font,
                                        double pixelRatio) {
  const QByteArray bytes = format == PictureFormat::Png ? Png(scene, font, pixelRatio) : Svg(scene, font);
  return {bytes.begin(), bytes.end()};
}
