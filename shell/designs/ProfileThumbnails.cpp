#include "shell/designs/ProfileThumbnails.h"

#include <QFile>

#include "catalog/DesignSummary.h"
#include "framework/Exceptions.h"
#include "listing/ListTrack.h"
#include "render/ProfilePicture.h"
#include "trackfile/DecoderDoc.h"

namespace {

// Pictures, not bytes: a few thousand rows' worth.
constexpr int kKeptPictures = 4000;
// Painted at the size file managers ask for and made smaller: td4 thumbnail
// loses the track below 128 pixels.
constexpr int kPaintedWidth = 128;

QImage PictureOf(const std::string& path) {
  QImage image;
  try {
    WithLoadedDesign(path, [&image](CDecoderDoc& doc) {
      if (doc.m_nSegments == 0) return;
      const std::vector<std::uint8_t> png = ThumbnailPicture(doc, kLowestBuildableElevation, kPaintedWidth);
      image = QImage::fromData(png.data(), int(png.size()), "PNG")
                  .scaledToWidth(ProfileThumbnails::kWidth, Qt::SmoothTransformation);
    });
  } catch (const CException&) {
    return {};  // too large to be drawn: the row goes without
  }
  return image;
}

}  // namespace

ProfileThumbnails::ProfileThumbnails(QObject* parent) : QObject(parent), m_pictures(kKeptPictures) {}

ProfileThumbnails::~ProfileThumbnails() {
  m_pool.clear();
  m_pool.waitForDone();
}

QImage ProfileThumbnails::Find(const std::string& path, const FileStamp& stamp) {
  const QString key = QFile::decodeName(path.c_str());
  if (const Picture* picture = m_pictures.object(key); picture && picture->stamp == stamp) return picture->image;
  if (m_making.contains(key)) return {};
  m_making.insert(key);
  ++m_nStarted;
  m_pool.start([this, path, stamp] {
    const QImage image = PictureOf(path);
    // Handed over on the window's thread; the pool is done before this object goes.
    QMetaObject::invokeMethod(
        this, [this, path, stamp, image] { Keep(path, stamp, image); }, Qt::QueuedConnection);
  });
  return {};
}

void ProfileThumbnails::Keep(const std::string& path, const FileStamp& stamp, const QImage& image) {
  const QString key = QFile::decodeName(path.c_str());
  m_making.remove(key);
  m_pictures.insert(key, new Picture{stamp, image});
  emit ready(path);
}
