#pragma once

#include <atomic>
#include <functional>
#include <span>

#include "catalog/DesignFolder.h"
#include "catalog/DesignSummary.h"

// Summarises designs on jobs threads (0: one per core) and hands every summary
// to emit on the calling thread, in the order of designs whatever the number
// of threads. Only a few summaries per thread wait for their turn, so memory
// does not grow with the number of designs. Once cancel (when given) is set,
// no further design is started and nothing more is emitted. Whenever the
// next summary is not ready yet, beforeWait (when given) runs first, so that
// what was emitted can be passed on while a slow design is read. When the
// system starts fewer threads than asked, those that started do the work;
// when it starts none, the calling thread does it alone. The files read at
// once hold a bounded number of bytes together, whatever jobs is.
void SummariseInOrder(std::span<const DesignEntry> designs, unsigned jobs,
                      const std::function<void(DesignSummary&&)>& emit, const std::atomic<bool>* cancel = nullptr,
                      const std::function<void()>& beforeWait = {});

// The threads SummariseInOrder runs for jobs (0: one per core).
unsigned CatalogueThreads(unsigned jobs);
