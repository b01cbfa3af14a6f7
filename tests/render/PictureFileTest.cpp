#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>
#include <algorithm>

#include "examples/ExampleDesigns.h"
#include "listing/ProfileScene.h"
#include "render/ProfilePicture.h"
#include "render/SceneColours.h"
#include "tests/listing/ListingFixtures.h"
#include "tests/render/SvgText.h"

namespace {

// The sky-high example, drawn from starting elevation 20: above 61 for a stretch.
struct SkyHigh {
  SkyHigh() {
    const auto& examples = ExampleDesigns();
    const auto skyHigh = std::find_if(examples.begin(), examples.end(),
                                      [](const ExampleDesign& example) { return example.fileName == "sky-high.td4"; });
    FillDocument(doc, skyHigh->description);
  }
  static constexpr std::int32_t kStartElevation = 20;
  CDecoderDoc doc;
};

QByteArray Bytes(const std::vector<std::uint8_t>& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

TEST(PictureFileTest, APngReadsBackAtItsSize) {
  SkyHigh design;
  QByteArray png = Bytes(ProfilePicture(design.doc, SkyHigh::kStartElevation, PictureFormat::Png, 640, 200));
  QBuffer buffer(&png);
  QImageReader reader(&buffer);
  EXPECT_EQ(reader.format(), "png");
  EXPECT_EQ(reader.size(), QSize(640, 200));
  const QImage image = reader.read();
  ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
  // Not one flat colour: the out-of-range track shows in its colour.
  const QRgb warning = PictureColours()[scene::Ink::OutOfRange].rgb();
  bool found = false;
  for (int y = 0; y < image.height() && !found; ++y)
    for (int x = 0; x < image.width() && !found; ++x) found = image.pixel(x, y) == warning;
  EXPECT_TRUE(found);
}

QImage ReadThumbnail(int size) {
  SkyHigh design;
  QByteArray png = Bytes(ThumbnailPicture(design.doc, SkyHigh::kStartElevation, size));
  QBuffer buffer(&png);
  QImageReader reader(&buffer);
  EXPECT_EQ(reader.format(), "png");
  return reader.read();
}

// How far apart two pictures of one size are: the mean of every channel's difference, 0..255.
double MeanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  return sum / (3.0 * a.width() * a.height());
}

// File managers ask for 128 and 256 pixels, a panel for less; any size gives a
// picture that wide and three quarters as high, of the whole scene: the large
// one scaled down, give or take the smoothing.
TEST(PictureFileTest, AThumbnailReadsBackAtTheSizeAskedFor) {
  const QRgb warning = PictureColours()[scene::Ink::OutOfRange].rgb();
  const QImage large = ReadThumbnail(256);
  for (const int size : {256, 128, 100, 64, 48}) {
    const QImage image = ReadThumbnail(size);
    ASSERT_FALSE(image.isNull()) << size;
    EXPECT_EQ(image.size(), QSize(size, size * 3 / 4)) << size;
    int warningPixels = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) warningPixels += image.pixel(x, y) == warning;
    EXPECT_GT(warningPixels, size / 4) << size;  // the stretch above 61
    const QImage scaled = large.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(MeanDifference(image.convertToFormat(QImage::Format_RGB32), scaled.convertToFormat(QImage::Format_RGB32)),
              12)
        << size;
  }
}

// The SVG is well-formed and draws the scene in the picture colours, its
// labels as text.
TEST(PictureFileTest, AnSvgParsesAndKeepsItsLabelsAsText) {
  SkyHigh design;
  const SvgContent svg =
      ReadSvg(Bytes(ProfilePicture(design.doc, SkyHigh::kStartElevation, PictureFormat::Svg, 1000, 300)));
  EXPECT_EQ(svg.error, "");
  EXPECT_EQ(svg.viewBox, "0 0 1000 300");
  std::vector<QString> texts;
  for (const SvgContent::Text& text : svg.texts) texts.push_back(text.text);
  for (const char* label : {"83", "61", "1", "42", "segment", "out of range"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), QString::fromUtf8(label)), texts.end()) << label;
  const SceneColours colours = PictureColours();
  for (const scene::Ink ink : {scene::Ink::Window, scene::Ink::Base, scene::Ink::Band, scene::Ink::Station})
    EXPECT_NE(std::find(svg.fills.begin(), svg.fills.end(), colours[ink].name()), svg.fills.end()) << int(ink);
  for (const scene::Ink ink : {scene::Ink::Track, scene::Ink::ChainLift, scene::Ink::OutOfRange})
    EXPECT_NE(std::find(svg.strokes.begin(), svg.strokes.end(), colours[ink].name()), svg.strokes.end()) << int(ink);
}

}  // namespace
