#pragma once

#include <chrono>
#include <cstddef>

// "td4: 120 of 4000 designs" on standard error while it is a terminal, kept
// on one line that the rows of standard output never break into: on a shared
// terminal the line is erased before each row and drawn again after it. Off a
// terminal it does nothing, so that logs stay clean. Erased when destroyed.
class CatalogProgress {
public:
  explicit CatalogProgress(std::size_t total);
  ~CatalogProgress() { Erase(); }
  CatalogProgress(const CatalogProgress&) = delete;
  CatalogProgress& operator=(const CatalogProgress&) = delete;

  // Before a row goes to standard output.
  void BeforeRow();
  // After the row of the done-th design.
  void AfterRow(std::size_t done);

private:
  void Draw(std::size_t done);
  void Erase();

  std::size_t m_nTotal;
  bool m_bActive;
  bool m_bSharesTerminal;  // standard output is a terminal too
  bool m_bShown = false;
  std::chrono::steady_clock::time_point m_lastDrawn;
};
