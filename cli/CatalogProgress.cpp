#include "cli/CatalogProgress.h"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

// Often enough to look alive, seldom enough to cost nothing.
constexpr std::chrono::milliseconds kRedrawInterval{100};

}  // namespace

CatalogProgress::CatalogProgress(std::size_t total)
    : m_nTotal(total), m_bActive(::isatty(STDERR_FILENO) != 0), m_bSharesTerminal(::isatty(STDOUT_FILENO) != 0) {
  if (m_bActive) Draw(0);
}

void CatalogProgress::BeforeRow() {
  if (m_bSharesTerminal) Erase();
}

void CatalogProgress::AfterRow(std::size_t done) {
  if (!m_bActive) return;
  if (!m_bShown || std::chrono::steady_clock::now() - m_lastDrawn >= kRedrawInterval) Draw(done);
}

void CatalogProgress::Draw(std::size_t done) {
  const std::string line = "\rtd4: " + std::to_string(done) + " of " + std::to_string(m_nTotal) + " designs\033[K";
  std::fputs(line.c_str(), stderr);
  m_bShown = true;
  m_lastDrawn = std::chrono::steady_clock::now();
}

void CatalogProgress::Erase() {
  if (!m_bShown) return;
  std::fputs("\r\033[K", stderr);
  m_bShown = false;
}
