#include "render/ProfilePicture.h"

#include "listing/ProfileScene.h"
#include "render/SceneFont.h"

namespace {
// The width a thumbnail is laid out at, a power of two so that scaling it to
// any whole number of pixels is exact.
constexpr double kThumbnailUnits = 128;
}  // namespace

std::vector<std::uint8_t> ProfilePicture(CDecoderDoc& doc, std::int32_t startElevation, PictureFormat format,
                                         int width, int height) {
  const SceneFont font = PictureFont();
  const ProfileLayout layout = LayOutProfile(MeasureProfile(doc, startElevation), width, height, font);
  return EncodePicture(DrawProfile(TraceDesign(doc, startElevation, layout), layout, font), format, font);
}

std::vector<std::uint8_t> ThumbnailPicture(CDecoderDoc& doc, std::int32_t startElevation, int size) {
  const ProfileLayout layout =
      LayOutThumbnail(MeasureProfile(doc, startElevation), kThumbnailUnits, kThumbnailUnits * 3 / 4);
  return EncodePicture(DrawProfileThumbnail(TraceDesign(doc, startElevation, layout), layout), PictureFormat::Png,
                       PictureFont(), size / kThumbnailUnits);
}
