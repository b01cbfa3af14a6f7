#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>

#include "shell/ScannedDesign.h"

class QThread;

// Brings the Designs panel up to date with a folder, on threads of its own:
// it lists the folder, tells which known designs are gone, and summarises the
// designs that are new or changed since known, on all cores. Results reach
// the object's own thread in batches, through its event loop, so that the
// window stays responsive while a large folder is read. Deleting the scan
// cancels it: no signal comes after that.
class FolderScan : public QObject {
  Q_OBJECT
public:
  FolderScan(const QString& folder, KnownDesigns known, QObject* parent = nullptr);
  ~FolderScan() override;

signals:
  // The folder is listed: these known paths are gone, and total designs are to be summarised.
  void listed(const std::vector<std::string>& gone, qsizetype total);
  // More summaries, in path order; done of total are in.
  void summarised(std::vector<ScannedDesign>& batch, qsizetype done);
  void finished();

private:
  void Run(const std::string& folder, const KnownDesigns& known);
  void Deliver(std::vector<ScannedDesign>&& batch, qsizetype done);

  std::atomic<bool> m_cancel{false};
  std::unique_ptr<QThread> m_pThread;
};
