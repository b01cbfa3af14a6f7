#include "render/ProfilePicture.h"

#include "listing/ProfileScene.h"
#include "render/SceneFont.h"

std::vector<std::uint8_t> ProfilePicture(const ElevationProfile& profile, PictureFormat format, int width, int height) {
  const SceneFont font = PictureFont();
  const ProfileLayout layout = LayOutProfile(ExtentOf(profile), width, height, font);
  return EncodePicture(DrawProfile(profile, layout, font), format, font);
}
