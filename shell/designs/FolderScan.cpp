#include "shell/designs/FolderScan.h"

#include <QFile>
#include <QThread>
#include <algorithm>
#include <filesystem>

#include "catalog/Catalogue.h"

namespace {

// The window takes a batch this often, at most this many designs at a time:
// small enough that it takes them in a few milliseconds (2,048 made the
// window wait up to 76 ms on a busy machine, 512 up to 19), and still 34,000
// designs a second. The workers wait while that many are still untaken.
constexpr int kTakeMilliseconds = 15;
constexpr std::size_t kLargestBatch = 512;

FileStamp StampOf(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  FileStamp stamp;
  if (!error) stamp.size = size;
  const auto modified = std::filesystem::last_write_time(path, error);
  if (!error)
    stamp.modified = std::chrono::duration_cast<std::chrono::nanoseconds>(modified.time_since_epoch()).count();
  return stamp;
}

}  // namespace

FolderScan::FolderScan(const QString& folder, KnownDesigns known, QObject* parent) : QObject(parent) {
  m_take.setInterval(kTakeMilliseconds);
  connect(&m_take, &QTimer::timeout, this, &FolderScan::TakeFound);
  m_take.start();
  m_pThread.reset(QThread::create(
      [this, path = QFile::encodeName(folder).toStdString(), known = std::move(known)] { Run(path, known); }));
  m_pThread->start();
}

FolderScan::~FolderScan() {
  Cancel();
  m_pThread->wait();
}

void FolderScan::Cancel() {
  m_take.stop();
  {
    // Under the lock, so that a worker about to wait sees it.
    const std::lock_guard lock(m_mutex);
    m_cancel = true;
  }
  m_taken.notify_all();
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
  {
    const std::lock_guard lock(m_mutex);
    m_found.listing.emplace(std::move(gone), qsizetype(changed.size()));
  }

  std::size_t done = 0;
  RowTextMaker texts;
  SummariseInOrder(
      changed, 0,
      [&](DesignSummary&& summary) {
        DesignTexts rowTexts = texts.Make(summary);
        std::unique_lock lock(m_mutex);
        m_taken.wait(lock, [this] { return m_found.designs.size() < kLargestBatch || m_cancel; });
        m_found.designs.push_back({std::move(summary), stamps[done++], std::move(rowTexts)});
        m_found.done = qsizetype(done);
      },
      &m_cancel);
  const std::lock_guard lock(m_mutex);
  m_found.finished = true;
}

void FolderScan::TakeFound() {
  Found found;
  {
    const std::lock_guard lock(m_mutex);
    found.listing = std::exchange(m_found.listing, std::nullopt);
    found.designs = std::move(m_found.designs);
    m_found.designs.clear();
    found.done = m_found.done;
    found.finished = m_found.finished;
  }
  m_taken.notify_all();
  // A receiver may cancel the scan on any of these signals; the next is then not sent.
  if (found.listing) emit listed(found.listing->first, found.listing->second);
  if (!found.designs.empty() && !m_cancel) emit summarised(found.designs, found.done);
  if (found.finished && !m_cancel) {
    m_take.stop();
    emit finished();
  }
}
