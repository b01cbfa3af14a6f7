#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

#include "shell/designs/ScannedDesign.h"

class QThread;

// Brings the Designs panel up to date with a folder, on threads of its own:
// it lists the folder, tells which known designs are gone, and summarises the
// designs that are new or changed since known, on all cores. The object's own
// thread takes the results in batches on a timer, so that its event loop
// turns to the user between two batches however fast the summaries come.
// Cancel, or deleting the scan, stops it: no signal comes after that.
class FolderScan : public QObject {
  Q_OBJECT
public:
  FolderScan(const QString& folder, KnownDesigns known, QObject* parent = nullptr);
  ~FolderScan() override;

  // Stops the reading; the threads end as soon as they notice.
  void Cancel();

signals:
  // The folder is listed: these known paths are gone, and total designs are to be summarised.
  void listed(const std::vector<std::string>& gone, qsizetype total);
  // More summaries, in path order, for the receiver to take; done of total are in.
  void summarised(std::vector<ScannedDesign>& batch, qsizetype done);
  void finished();

private:
  // What the worker has found and the timer has not taken yet.
  struct Found {
    std::optional<std::pair<std::vector<std::string>, qsizetype>> listing;
    std::vector<ScannedDesign> designs;
    qsizetype done = 0;
    bool finished = false;
  };

  void Run(const std::string& folder, const KnownDesigns& known);
  // On the object's thread: hands on what was found since the last time.
  void TakeFound();

  std::atomic<bool> m_cancel{false};
  std::mutex m_mutex;
  // The timer took a batch, or the scan was cancelled: a waiting worker goes on.
  std::condition_variable m_taken;
  Found m_found;
  QTimer m_take;
  std::unique_ptr<QThread> m_pThread;
};
