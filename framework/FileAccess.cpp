#include "framework/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <utility>

#include "framework/Exceptions.h"
#include "framework/InterruptCleanup.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kStandardInputName = "standard input";
constexpr const char* kStandardOutputName = "standard output";

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

[[noreturn]] void ThrowFileError(const std::string& name) { throw CFileException::FromErrno(errno, name); }

[[noreturn]] void ThrowNotRegular(mode_t mode, const std::string& name) {
  if (S_ISDIR(mode)) throw CFileException(CFileException::isFolder, EISDIR, name);
  if (S_ISFIFO(mode)) throw CFileException(CFileException::isPipe, 0, name);
  if (S_ISSOCK(mode)) throw CFileException(CFileException::isSocket, 0, name);
  throw CFileException(CFileException::isDevice, 0, name);
}

struct stat StatusOf(int fd, const std::string& name) {
  struct stat status {};
  if (::fstat(fd, &status) != 0) ThrowFileError(name);
  return status;
}

FilePrefix ReadPrefix(int fd, const struct stat& status, const std::string& name, std::uint64_t maxBytes,
                      bool stream) {
  if (S_ISDIR(status.st_mode)) throw CFileException(CFileException::isFolder, EISDIR, name);

  const bool regular = S_ISREG(status.st_mode) && !stream;
  FilePrefix prefix;
  const std::uint64_t wanted = regular ? std::min<std::uint64_t>(std::uint64_t(status.st_size), maxBytes) : maxBytes;
  prefix.bytes.resize(std::size_t(regular ? wanted : std::min<std::uint64_t>(maxBytes, 1 << 16)));
  std::size_t filled = 0;
  while (filled < wanted) {
    if (filled == prefix.bytes.size()) prefix.bytes.resize(std::size_t(std::min<std::uint64_t>(wanted, filled * 2)));
    const ssize_t count = ::read(fd, prefix.bytes.data() + filled, prefix.bytes.size() - filled);
    if (count < 0) {
      if (errno == EINTR) continue;
      ThrowFileError(name);
    }
    if (count == 0) break;
    filled += std::size_t(count);
  }
  prefix.bytes.resize(filled);
  if (regular) {
    prefix.length = std::uint64_t(status.st_size);
  } else {
    std::uint8_t probe = 0;
    const bool more = filled == wanted && ::read(fd, &probe, 1) == 1;
    prefix.length = more ? maxBytes + 1 : filled;
  }
  return prefix;
}

void WriteAll(int fd, std::span<const std::uint8_t> bytes, const std::string& name) {
  while (!bytes.empty()) {
    const long written = g_pWriteCalls->Write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      ThrowFileError(name);
    }
    bytes = bytes.subspan(std::size_t(written));
  }
}

// Where the bytes written under a name end up.
struct WriteTarget {
  fs::path path;           // the name with its symbolic links followed
  int descriptor = -1;     // a descriptor this process holds, written in place
  bool inProcess = false;  // a link of some process's open file: written in place through it
};

// A link in /proc/<pid>/fd leads to an open file, not to a name: reading it
// gives texts like "pipe:[123]", and replacing the name it gives would miss
// the file that the descriptor really holds (a pipe, a file opened to append).
WriteTarget ProcessLinkTarget(const fs::path& link) {
  std::error_code error;
  const fs::path folder = fs::canonical(link.has_parent_path() ? link.parent_path() : fs::path("."), error);
  if (error || folder.string().rfind("/proc/", 0) != 0) return {};
  if (folder == fs::path("/proc") / std::to_string(::getpid()) / "fd") {
    const std::string name = link.filename().string();
    int fd = -1;
    const auto [end, failure] = std::from_chars(name.data(), name.data() + name.size(), fd);
    if (failure == std::errc() && end == name.data() + name.size()) return {link, fd};
  }
  return {link, -1, true};
}

WriteTarget ResolveWriteTarget(const std::string& path) {
  if (path == kStandardStreamName) return {path, STDOUT_FILENO};
  fs::path target = path;
  std::error_code error;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(target, error)); ++hops) {
    if (WriteTarget process = ProcessLinkTarget(target); process.descriptor >= 0 || process.inProcess)
      return process;
    const fs::path link = fs::read_symlink(target, error);
    if (error) break;
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  return {target};
}

mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

// Makes a rename survive a crash. The new content is in place by then, so a
// folder that cannot be synced (some file systems refuse) is no failure.
void SyncFolderOf(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const FileDescriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (handle.Get() >= 0) ::fsync(handle.Get());
}

}  // namespace

FilePrefix ReadFilePrefix(const std::string& path, std::uint64_t maxBytes) {
  if (path == kStandardStreamName)
    return ReadPrefix(STDIN_FILENO, StatusOf(STDIN_FILENO, kStandardInputName), kStandardInputName, maxBytes, true);
  // A blocking open: a named pipe waits for its writer instead of reading as empty.
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.Get() < 0) ThrowFileError(path);
  return ReadPrefix(file.Get(), StatusOf(file.Get(), path), path, maxBytes, false);
}

FilePrefix ReadRegularFilePrefix(const std::string& path, std::uint64_t maxBytes,
                                 const std::function<void(std::uint64_t)>& beforeRead) {
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  struct stat status {};
  if (file.Get() < 0) {
    // A socket cannot be opened at all: tell what it is rather than that the open failed.
    const int openError = errno;
    if (openError == ENXIO && ::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
      ThrowNotRegular(status.st_mode, path);
    throw CFileException::FromErrno(openError, path);
  }
  status = StatusOf(file.Get(), path);
  if (!S_ISREG(status.st_mode)) ThrowNotRegular(status.st_mode, path);
  if (beforeRead) beforeRead(std::min<std::uint64_t>(std::uint64_t(status.st_size), maxBytes));
  return ReadPrefix(file.Get(), status, path, maxBytes, false);
}

CSafeOutputFile::CSafeOutputFile(const std::string& path, const COutputGuard& guard)
    : m_strReportName(path == kStandardStreamName ? kStandardOutputName : path) {
  const WriteTarget target = ResolveWriteTarget(path);
  if (target.descriptor >= 0) {
    guard.Check(target.descriptor, "", false, m_strReportName);
    m_fd = ::fcntl(target.descriptor, F_DUPFD_CLOEXEC, 0);
    if (m_fd < 0) ThrowFileError(m_strReportName);
    return;
  }
  struct stat status {};
  if (target.inProcess || ::stat(target.path.c_str(), &status) == 0) {
    if (S_ISDIR(status.st_mode)) throw CFileException(CFileException::isFolder, EISDIR, m_strReportName);
    const bool replaced = S_ISREG(status.st_mode) && !target.inProcess;
    guard.Check(-1, target.path.string(), replaced, m_strReportName);
    if (replaced) {
      if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
        if (errno == EACCES || errno == EPERM || errno == EROFS)
          throw CFileException(CFileException::readOnly, errno, m_strReportName);
        ThrowFileError(m_strReportName);
      }
      CreateTemporaryBeside(target.path.string());
      ::fchmod(m_fd, status.st_mode & 07777);
      [[maybe_unused]] const int ignored = ::fchown(m_fd, status.st_uid, status.st_gid);
      return;
    }
    // A blocking open: a named pipe waits for its reader, as a read waits for its writer.
    do m_fd = ::open(target.path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0) ThrowFileError(m_strReportName);
    return;
  }
  if (errno != ENOENT) ThrowFileError(m_strReportName);
  CreateTemporaryBeside(target.path.string());
  ::fchmod(m_fd, 0666 & ~CurrentUmask());
}

CSafeOutputFile::~CSafeOutputFile() {
  if (m_fd >= 0) ::close(m_fd);
  Discard();
}

// A short fixed name, so that it fits wherever the target's name fits.
void CSafeOutputFile::CreateTemporaryBeside(const std::string& target) {
  const fs::path path = target;
  std::string temporary = ((path.has_parent_path() ? path.parent_path() : fs::path(".")) / ".ttd-XXXXXX").string();
  const BlockedInterrupts blocked;
  m_fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (m_fd < 0) {
    // The folder that is missing is the target's: through a dangling link it is not the link's.
    if (errno == ENOENT) throw CFileException(CFileException::folderNotFound, errno, target);
    ThrowFileError(m_strReportName);
  }
  m_strTemporary = std::move(temporary);
  m_strTarget = target;
  RegisterTemporaryFile(m_strTemporary.c_str());
}

void CSafeOutputFile::Write(std::span<const std::uint8_t> bytes) { WriteAll(m_fd, bytes, m_strReportName); }

void CSafeOutputFile::Commit() {
  if (m_strTarget.empty()) {
    if (::close(std::exchange(m_fd, -1)) != 0) ThrowFileError(m_strReportName);
    return;
  }
  if (g_pWriteCalls->Sync(m_fd) != 0) ThrowFileError(m_strReportName);
  if (::close(std::exchange(m_fd, -1)) != 0) ThrowFileError(m_strReportName);
  if (g_pWriteCalls->Rename(m_strTemporary.c_str(), m_strTarget.c_str()) != 0) ThrowFileError(m_strReportName);
  m_strTemporary.clear();
  UnregisterTemporaryFile();
  SyncFolderOf(m_strTarget);
}

// Removes the temporary file before forgetting it, so that a signal in between
// still finds it registered.
void CSafeOutputFile::Discard() {
  if (m_strTemporary.empty()) return;
  ::unlink(m_strTemporary.c_str());
  UnregisterTemporaryFile();
  m_strTemporary.clear();
}

void WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes, const COutputGuard& guard) {
  CSafeOutputFile file(path, guard);
  file.Write(bytes);
  file.Commit();
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
