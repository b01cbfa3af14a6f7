#include "framework/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>

#include "framework/Exceptions.h"

namespace fs = std::filesystem;

namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int Get() const { return m_fd; }
  // Closes now, reporting the error that a delayed write may only show here.
  int Close() {
    const int result = ::close(m_fd);
    m_fd = -1;
    return result;
  }

private:
  int m_fd;
};

class SystemWriteCalls : public IFileWriteCalls {
public:
  long Write(int fd, const void* bytes, std::size_t count) override { return ::write(fd, bytes, count); }
  int Sync(int fd) override { return ::fsync(fd); }
  int Rename(const char* from, const char* to) override { return ::rename(from, to); }
};

SystemWriteCalls g_systemWriteCalls;
IFileWriteCalls* g_pWriteCalls = &g_systemWriteCalls;

[[noreturn]] void ThrowFileError(const std::string& path) { throw CFileException::FromErrno(errno, path); }

// Opens without waiting for the other end of a pipe, then reads or writes normally.
int OpenWithoutBlocking(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK);
  if (fd >= 0) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

void WriteAll(int fd, std::span<const std::uint8_t> bytes, const std::string& path) {
  while (!bytes.empty()) {
    const long written = g_pWriteCalls->Write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      ThrowFileError(path);
    }
    bytes = bytes.subspan(std::size_t(written));
  }
}

fs::path FollowLinks(fs::path target) {
  std::error_code error;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(target, error)); ++hops) {
    const fs::path link = fs::read_symlink(target, error);
    if (error) break;
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  return target;
}

// Creates a new, empty file beside target with a name no other file has.
int CreateTemporaryBeside(const fs::path& target, std::string& temporaryPath) {
  std::random_device seed;
  std::mt19937 random(seed());
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporaryPath = (folder / ("." + target.filename().string() + "." + std::to_string(random() % 1000000) + ".tmp")).string();
    const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void WriteInPlace(const fs::path& target, std::span<const std::uint8_t> bytes, const std::string& path) {
  FileDescriptor file(OpenWithoutBlocking(target.string(), O_WRONLY | O_TRUNC));
  if (file.Get() < 0) ThrowFileError(path);
  WriteAll(file.Get(), bytes, path);
  if (file.Close() != 0) ThrowFileError(path);
}

void WriteBesideAndRename(const fs::path& target, const struct stat* existing, std::span<const std::uint8_t> bytes,
                          const std::string& path) {
  std::string temporaryPath;
  FileDescriptor file(CreateTemporaryBeside(target, temporaryPath));
  if (file.Get() < 0) ThrowFileError(path);
  try {
    if (existing) {
      ::fchmod(file.Get(), existing->st_mode & 07777);
      [[maybe_unused]] const int ignored = ::fchown(file.Get(), existing->st_uid, existing->st_gid);
    }
    WriteAll(file.Get(), bytes, path);
    if (g_pWriteCalls->Sync(file.Get()) != 0 || file.Close() != 0) ThrowFileError(path);
    if (g_pWriteCalls->Rename(temporaryPath.c_str(), target.c_str()) != 0) ThrowFileError(path);
  } catch (...) {
    ::unlink(temporaryPath.c_str());
    throw;
  }
}

}  // namespace

FilePrefix ReadFilePrefix(const std::string& path, std::uint64_t maxBytes) {
  FileDescriptor file(OpenWithoutBlocking(path, O_RDONLY));
  if (file.Get() < 0) ThrowFileError(path);
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0) ThrowFileError(path);
  if (S_ISDIR(status.st_mode)) throw CFileException(CFileException::isFolder, EISDIR, path);

  const bool regular = S_ISREG(status.st_mode);
  FilePrefix prefix;
  const std::uint64_t wanted = regular ? std::min<std::uint64_t>(std::uint64_t(status.st_size), maxBytes) : maxBytes;
  prefix.bytes.resize(std::size_t(regular ? wanted : std::min<std::uint64_t>(maxBytes, 1 << 16)));
  std::size_t filled = 0;
  while (filled < wanted) {
    if (filled == prefix.bytes.size()) prefix.bytes.resize(std::size_t(std::min<std::uint64_t>(wanted, filled * 2)));
    const ssize_t count = ::read(file.Get(), prefix.bytes.data() + filled, prefix.bytes.size() - filled);
    if (count < 0) {
      if (errno == EINTR) continue;
      ThrowFileError(path);
    }
    if (count == 0) break;
    filled += std::size_t(count);
  }
  prefix.bytes.resize(filled);
  if (regular) {
    prefix.length = std::uint64_t(status.st_size);
  } else {
    std::uint8_t probe = 0;
    const bool more = filled == wanted && ::read(file.Get(), &probe, 1) == 1;
    prefix.length = more ? maxBytes + 1 : filled;
  }
  return prefix;
}

void WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes) {
  const fs::path target = FollowLinks(path);
  struct stat status {};
  if (::stat(target.c_str(), &status) != 0) {
    if (errno != ENOENT) ThrowFileError(path);
    WriteBesideAndRename(target, nullptr, bytes, path);
  } else if (S_ISDIR(status.st_mode)) {
    throw CFileException(CFileException::isFolder, EISDIR, path);
  } else if (S_ISREG(status.st_mode)) {
    WriteBesideAndRename(target, &status, bytes, path);
  } else {
    WriteInPlace(target, bytes, path);
  }
}

IFileWriteCalls* InstallFileWriteCalls(IFileWriteCalls* calls) {
  IFileWriteCalls* previous = g_pWriteCalls == &g_systemWriteCalls ? nullptr : g_pWriteCalls;
  g_pWriteCalls = calls ? calls : &g_systemWriteCalls;
  return previous;
}

bool IsSameFile(const std::string& first, const std::string& second) {
  if (first.empty() || second.empty()) return false;
  struct stat a {}, b {};
  return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
         a.st_ino == b.st_ino;
}

bool IsWritableFile(const std::string& path) { return ::access(path.c_str(), W_OK) == 0; }
