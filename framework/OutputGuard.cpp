#include "framework/OutputGuard.h"

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "framework/Exceptions.h"
#include "framework/FileAccess.h"

namespace {

const char* OutputNoun(OutputKind kind) {
  switch (kind) {
    case OutputKind::Design:
      return "design";
    case OutputKind::Listing:
      return "listing";
    case OutputKind::Picture:
      break;
  }
  return "picture";
}

bool StatusOf(const std::string& input, struct stat& status) {
  return (input == kStandardStreamName ? ::fstat(STDIN_FILENO, &status) : ::stat(input.c_str(), &status)) == 0;
}

}  // namespace

COutputGuard::COutputGuard(std::vector<std::string> inputs, OutputKind kind)
    : m_inputs(std::move(inputs)), m_kind(kind) {}

void COutputGuard::Check(int fd, const std::string& written, bool replacedWhole, const std::string& reportName) const {
  if (replacedWhole && m_kind == OutputKind::Design) return;
  struct stat output {};
  if ((fd >= 0 ? ::fstat(fd, &output) : ::stat(written.c_str(), &output)) != 0 || !S_ISREG(output.st_mode)) return;
  for (const std::string& input : m_inputs) {
    struct stat read {};
    if (!input.empty() && StatusOf(input, read) && read.st_dev == output.st_dev && read.st_ino == output.st_ino)
      throw COutputIsInputException(reportName, OutputNoun(m_kind));
  }
}
