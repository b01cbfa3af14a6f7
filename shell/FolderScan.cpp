#include "shell/FolderScan.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <algorithm>
#include <filesystem>

#include "catalog/Catalogue.h"

namespace {

// A batch goes to the window once it holds this many designs or has waited
// this long: small enough for the window to take it between two user inputs.
constexpr std::size_t kBatchDesigns = 256;
constexpr qint64 kBatchMilliseconds = 30;

FileStamp StampOf(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  FileStamp stamp;
  if (!error) stamp.size = size;
  const auto modified = std::filesystem::last_write_time(path, error);
  if (!error) stamp.modified = std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count();
  return stamp;
}

}  // namespace

FolderScan::FolderScan(const QString& folder, KnownDesigns known, QObject* parent) : QObject(parent) {
  m_pThread.reset(QThread::create([this, path = QFile::encodeName(folder).toStdString(), known = std::move(known)] {
    Run(path, known);
  }));
  m_pThread->start();
}

FolderScan::~FolderScan() {
  m_cancel = true;
  m_pThread->wait();
}

void FolderScan::Run(const std::string& folder, const KnownDesigns& known) {
  std::vector<DesignEntry> designs = FindDesigns({folder}, false);
  std::vector<FileStamp> stamps;
  std::vector<std::string> gone;
  // Both lists are in path order: one pass finds what is new, changed or gone.
  std::vector<DesignEntry> changed;
  auto old = known.begin();
  for (DesignEntry& design : designs) {
    for (; old != known.end() && old->first < design.path; ++old) gone.push_back(old->first);
    const FileStamp stamp = design.failure.empty() ? StampOf(design.path) : FileStamp{};
    const bool same = old != known.end() && old->first == design.path && old->second == stamp;
    if (old != known.end() && old->first == design.path) ++old;
    if (same) continue;
    changed.push_back(std::move(design));
    stamps.push_back(stamp);
  }
  for (; old != known.end(); ++old) gone.push_back(old->first);

  const auto total = qsizetype(changed.size());
  QMetaObject::invokeMethod(this, [this, gone = std::move(gone), total] { emit listed(gone, total); });

  std::vector<ScannedDesign> batch;
  qsizetype done = 0;
  QElapsedTimer sinceDelivery;
  sinceDelivery.start();
  SummariseInOrder(
      changed, 0,
      [&](DesignSummary&& summary) {
        batch.push_back({std::move(summary), stamps[std::size_t(done++)]});
        if (batch.size() < kBatchDesigns && !sinceDelivery.hasExpired(kBatchMilliseconds)) return;
        Deliver(std::exchange(batch, {}), done);
        sinceDelivery.restart();
      },
      &m_cancel);
  if (m_cancel) return;
  Deliver(std::move(batch), done);
  QMetaObject::invokeMethod(this, [this] { emit finished(); });
}

void FolderScan::Deliver(std::vector<ScannedDesign>&& batch, qsizetype done) {
  QMetaObject::invokeMethod(this, [this, batch = std::move(batch), done]() mutable { emit summarised(batch, done); });
}
