#pragma once

#include <QCache>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QThreadPool>
#include <string>

#include "shell/designs/ScannedDesign.h"

// The Designs panel's small profile pictures, painted by the same code as
// td4 thumbnail. A picture is made when a view first asks for it, that is for
// the rows on screen, on threads of its own, and kept for the next time.
class ProfileThumbnails : public QObject {
  Q_OBJECT
public:
  static constexpr int kWidth = 64;  // pixels; three quarters as high

  explicit ProfileThumbnails(QObject* parent = nullptr);
  // Waits for the pictures being made.
  ~ProfileThumbnails() override;

  // The picture of the design as stamped; a null image while it is being made,
  // ready following once it is, and for a design without a picture.
  QImage Find(const std::string& path, const FileStamp& stamp);
  // How many pictures were set to be made.
  int Started() const { return m_nStarted; }

signals:
  void ready(const std::string& path);

private:
  struct Picture {
    FileStamp stamp;
    QImage image;
  };
  void Keep(const std::string& path, const FileStamp& stamp, const QImage& image);

  QCache<QString, Picture> m_pictures;
  QSet<QString> m_making;
  QThreadPool m_pool;
  int m_nStarted = 0;
};
