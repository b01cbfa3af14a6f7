#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "framework/OutputGuard.h"

// The name that stands for standard input where a file is read and for
// standard output where one is written, as command-line tools have it. (The
// desktop program passes full paths only, so it never meets this name.)
inline constexpr const char* kStandardStreamName = "-";

// The leading bytes of a file and the file's whole length.
struct FilePrefix {
  std::vector<std::uint8_t> bytes;
  std::uint64_t length = 0;
};

// Reads a file from its start, but no more than maxBytes of it. A pipe waits
// for its writer. For a stream that goes on past maxBytes (a pipe, a device)
// the length reads as maxBytes + 1. "-" reads standard input, as a stream,
// from where it stands. Throws CFileException naming the path when the file
// cannot be read.
FilePrefix ReadFilePrefix(const std::string& path, std::uint64_t maxBytes);

// Reads a file as ReadFilePrefix does, for reading many files in a row, where
// one must never hold up the rest: the open does not wait (for a named pipe's
// writer) nor take a terminal as this process's own, and what was opened is
// looked at before anything is read. A folder, named pipe, device or socket is
// refused unread, with CFileException naming the path. Once the file is known
// to be regular, beforeRead (when given) learns how many bytes the read will hold.
FilePrefix ReadRegularFilePrefix(const std::string& path, std::uint64_t maxBytes,
                                 const std::function<void(std::uint64_t)>& beforeRead = {});

// A file being written without ever leaving a half-written file behind.
//
// A regular file, or a new one, is written to a temporary file beside it
// (registered for removal on SIGINT, SIGTERM and SIGHUP, see
// InterruptCleanup.h), which Commit flushes and renames over it; the folder is
// synced after. Until then, and after any failure, the old content stays and
// the destructor removes the temporary file. A symbolic link is followed, so
// the link stays a link and its target is replaced. An existing file that this
// process may not write is refused, not replaced. Anything else that is not a
// folder (a device, a pipe, standard output as "-", or a descriptor of this
// process named as /dev/stdout, /dev/fd/N or /proc/self/fd/N) is written in
// place, since renaming over it would destroy it or miss it; a named pipe
// waits for its reader. Before anything
// is created or opened, guard refuses a target that is one of the command's
// inputs (COutputIsInputException). Every other failure throws CFileException
// naming the path (standard output for "-").
class CSafeOutputFile {
public:
  CSafeOutputFile(const std::string& path, const COutputGuard& guard);
  ~CSafeOutputFile();
  CSafeOutputFile(const CSafeOutputFile&) = delete;
  CSafeOutputFile& operator=(const CSafeOutputFile&) = delete;

  void Write(std::span<const std::uint8_t> bytes);

  // Makes everything written the file's content. Call once, after the last Write.
  void Commit();

private:
  void CreateTemporaryBeside(const std::string& target);
  void Discard();

  std::string m_strReportName;
  std::string m_strTarget;     // the file renamed over; empty when written in place
  std::string m_strTemporary;  // empty once renamed or removed
  int m_fd = -1;
};

// Makes bytes the whole content of the file at path through CSafeOutputFile.
void WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes, const COutputGuard& guard);

// The system calls through which CSafeOutputFile puts bytes on disk. Tests
// install their own to make a write, the flush or the rename fail at will.
class IFileWriteCalls {
public:
  virtual ~IFileWriteCalls() = default;
  virtual long Write(int fd, const void* bytes, std::size_t count) = 0;
  virtual int Sync(int fd) = 0;
  virtual int Rename(const char* from, const char* to) = 0;
};

// Installs calls for every later write; nullptr restores the system's own. Returns the previous ones.
IFileWriteCalls* InstallFileWriteCalls(IFileWriteCalls* calls);

// True when both names lead to the same file on disk.
bool IsSameFile(const std::string& first, const std::string& second);

// True when the file exists and this process may write to it.
bool IsWritableFile(const std::string& path);
