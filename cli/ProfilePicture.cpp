#include "cli/ProfilePicture.h"

#include <algorithm>
#include <cctype>

#include "cli/DrawingApplication.h"
#include "framework/AppInfo.h"
#include "framework/Exceptions.h"
#include "framework/FileAccess.h"
#include "framework/MessageBox.h"
#include "render/ProfilePicture.h"

std::optional<PictureFormat> PictureFormatOf(const std::string& path) {
  const std::size_t dot = path.find_last_of("./");
  if (dot == std::string::npos || path[dot] != '.') return std::nullopt;
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  if (extension == "svg") return PictureFormat::Svg;
  if (extension == "png") return PictureFormat::Png;
  return std::nullopt;
}

namespace {

// Draws the picture that draw returns and writes it to path, reporting a
// failure. The output is opened first, so that a refused one costs no drawing.
template <class Draw>
bool WritePicture(const std::string& path, const COutputGuard& guard, Draw draw) {
  const DrawingApplication drawing;
  try {
    CSafeOutputFile file(path, guard);
    file.Write(draw());
    file.Commit();
    return true;
  } catch (const CException& failure) {
    ShowMessageBox(FailureReportText(failure), kAppTitle, MB_OK | MB_ICONEXCLAMATION, MessageOwner::MainWindow);
    return false;
  }
}

}  // namespace

bool WriteProfilePicture(CDecoderDoc& doc, std::int32_t startElevation, const std::string& path,
                         const COutputGuard& guard, PictureFormat format, int width, int height) {
  return WritePicture(path, guard, [&] { return ProfilePicture(doc, startElevation, format, width, height); });
}

bool WriteThumbnail(CDecoderDoc& doc, std::int32_t startElevation, const std::string& path, const COutputGuard& guard,
                    int size) {
  return WritePicture(path, guard, [&] { return ThumbnailPicture(doc, startElevation, size); });
}
