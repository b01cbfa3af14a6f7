#include "render/ProfilePicture.h"

#include "listing/ProfileScene.h"
#include "render/SceneFont.h"

namespace {
// The width a thumbnail is laid out at, a power of two so that scaling it to
// any whole number of pixels is exact.
constexpr double kThumbnailUnits = 128;
}  // namespace

std::vector<std::uint8_t> ProfilePicture(const ElevationProfile& profile, PictureFormat format, int width, int height) {
  const SceneFont font = PictureFont();
  const ProfileLayout layout = LayOutProfile(ExtentOf(profile), width, height, font);
  return EncodePicture(DrawProfile(profile, layout, font), format, font);
}

std::vector<std::uint8_t> ThumbnailPicture(const ElevationProfile& profile, int size) {
  const ProfileLayout layout = LayOutThumbnail(ExtentOf(profile), kThumbnailUnits, kThumbnailUnits * 3 / 4);
  return EncodePicture(DrawProfileThumbnail(profile, layout), PictureFormat::Png, PictureFont(),
                       size / kThumbnailUnits);
}
