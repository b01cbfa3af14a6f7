#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The leading bytes of a file and the file's whole length.
struct FilePrefix {
  std::vector<std::uint8_t> bytes;
  std::uint64_t length = 0;
};

// Reads a file from its start, but no more than maxBytes of it. For a stream
// that goes on past maxBytes (a pipe, a device) the length reads as maxBytes + 1.
// Throws CFileException naming the path when the file cannot be read.
FilePrefix ReadFilePrefix(const std::string& path, std::uint64_t maxBytes);

// Makes bytes the whole content of the file at path without ever leaving a
// half-written file behind. A regular file, or a new one, is written to a
// temporary file beside it, flushed, then renamed over it: on any failure the
// old content stays and the temporary file is removed. A symbolic link is
// followed, so the link stays a link and its target is replaced. Anything else
// that is not a folder (a device, a pipe) is written in place, since renaming
// over it would destroy it. Throws CFileException naming the path.
void WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes);

// The system calls through which WriteFileSafely puts bytes on disk. Tests
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
