#pragma once

#include <string>
#include <vector>

// What a command writes: the design it read, written again, or something
// made from it.
enum class OutputKind { Design, Listing, Picture };

// The files a command has read, which its output must never be written
// into. Every file the program writes is opened through one (CSafeOutputFile
// checks it before it creates or opens anything), so that no command can
// destroy the design it is working from: not through the same name, a hard
// or symbolic link, nor standard output or a descriptor (-, /dev/stdout,
// /dev/fd/N, /proc/self/fd/N) that is the design opened for appending.
//
// Only regular files are guarded; a device or a pipe holds nothing to lose.
// A design written again may take its own file's place by rename, as a save
// does, but is never written into it: the old bytes would stay around it.
class COutputGuard {
public:
  // inputs: the paths the command has read ("-" is standard input).
  COutputGuard(std::vector<std::string> inputs, OutputKind kind);

  // Throws COutputIsInputException, naming reportName, when the file that
  // descriptor fd (or, with fd < 0, the path written) leads to is one of the
  // inputs. replacedWhole: the output takes the file's place by rename.
  void Check(int fd, const std::string& written, bool replacedWhole, const std::string& reportName) const;

private:
  std::vector<std::string> m_inputs;
  OutputKind m_kind;
};
