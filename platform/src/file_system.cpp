#include "platform/file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

FileFaultHook gHook = nullptr;
void* gHookContext = nullptr;

int Injected(FileOperation operation, const std::string& path) {
  return gHook != nullptr ? gHook(gHookContext, operation, path.c_str()) : 0;
}

// Opens a file for reading and refuses folders, whose read would fail later with
// a less helpful number.
int OpenForReading(const std::string& path, int* fd) {
  *fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (*fd < 0) return errno;
  struct stat info {};
  if (::fstat(*fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
    ::close(*fd);
    *fd = -1;
    return error;
  }
  return 0;
}

// Reads until the end of the file or until `capacity` bytes were read; `more`
// tells whether bytes were left over.
int ReadAll(int fd, char* buffer, size_t capacity, size_t* length, bool* more) {
  size_t total = 0;
  *more = false;
  for (;;) {
    if (total == capacity) {
      char probe;
      ssize_t extra = ::read(fd, &probe, 1);
      if (extra < 0 && errno == EINTR) continue;
      if (extra < 0) return errno;
      *more = extra > 0;
      break;
    }
    ssize_t got = ::read(fd, buffer + total, capacity - total);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno;
    if (got == 0) break;
    total += static_cast<size_t>(got);
  }
  *length = total;
  return 0;
}

}  // namespace

int ReadWholeFile(const std::string& path, std::string& bytes, size_t limit) {
  bytes.clear();
  int fd;
  if (int error = OpenForReading(path, &fd)) return error;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && info.st_size > 0) {
    if (static_cast<size_t>(info.st_size) > limit) {
      ::close(fd);
      return EFBIG;
    }
    bytes.reserve(static_cast<size_t>(info.st_size));
  }
  // The size is a hint only: the file may change while it is read.
  char chunk[65536];
  int error = 0;
  for (;;) {
    ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      error = errno;
      break;
    }
    if (got == 0) break;
    if (bytes.size() + static_cast<size_t>(got) > limit) {
      error = EFBIG;
      break;
    }
    bytes.append(chunk, static_cast<size_t>(got));
  }
  ::close(fd);
  if (error != 0) bytes.clear();
  return error;
}

int ReadFileInto(const std::string& path, void* buffer, size_t capacity, size_t* length) {
  *length = 0;
  int fd;
  if (int error = OpenForReading(path, &fd)) return error;
  bool more = false;
  size_t got = 0;
  int error = capacity == 0 ? EFBIG : ReadAll(fd, static_cast<char*>(buffer), capacity - 1, &got, &more);
  ::close(fd);
  if (error != 0) return error;
  if (more) return EFBIG;
  *length = got;
  return 0;
}

FileWriter::~FileWriter() {
  if (fd_ >= 0) ::close(fd_);
}

int FileWriter::Create(const std::string& path) {
  if (fd_ >= 0) Close();
  if (int injected = Injected(FileOperation::kCreate, path)) return injected;
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd_ < 0) return errno;
  path_ = path;
  return 0;
}

int FileWriter::OpenForAppend(const std::string& path) {
  if (fd_ >= 0) Close();
  if (int injected = Injected(FileOperation::kCreate, path)) return injected;
  fd_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd_ < 0) return errno;
  path_ = path;
  return 0;
}

int FileWriter::Write(std::string_view bytes) {
  if (fd_ < 0) return EBADF;
  if (int injected = Injected(FileOperation::kWrite, path_)) return injected;
  while (!bytes.empty()) {
    ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return 0;
}

int FileWriter::Close() {
  if (fd_ < 0) return 0;
  const int result = ::close(fd_);
  fd_ = -1;
  return result == 0 ? 0 : errno;
}

int WriteNewFile(const std::string& path, std::string_view bytes) {
  FileWriter writer;
  if (int error = writer.Create(path)) return error;
  if (int error = writer.Write(bytes)) return error;
  return writer.Close();
}

int AppendToFile(const std::string& path, std::string_view bytes) {
  FileWriter writer;
  if (int error = writer.OpenForAppend(path)) return error;
  if (int error = writer.Write(bytes)) return error;
  return writer.Close();
}

int RenameFile(const std::string& from, const std::string& to, bool replace) {
  if (int injected = Injected(FileOperation::kRename, from)) return injected;
  if (replace) return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // A file system without the no-replace rename: a hard link refuses an existing
  // name just as well.
  if (::link(from.c_str(), to.c_str()) == 0) {
    ::unlink(from.c_str());
    return 0;
  }
  if (errno == EEXIST) return EEXIST;
  struct stat info {};
  if (::lstat(to.c_str(), &info) == 0) return EEXIST;
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int DeleteFile(const std::string& path) {
  if (int injected = Injected(FileOperation::kDelete, path)) return injected;
  return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int MakeFolders(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (fs::is_directory(fs::path(path), error)) return 0;
  if (int injected = Injected(FileOperation::kMakeFolder, path)) return injected;
  fs::create_directories(fs::path(path), error);
  if (error) {
    if (error.value() == EEXIST) return ENOTDIR;
    return error.value() != 0 ? error.value() : EIO;
  }
  return fs::is_directory(fs::path(path), error) ? 0 : ENOTDIR;
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::path(path), error);
}

bool SameFile(const std::string& a, const std::string& b) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (fs::exists(a, error) && fs::exists(b, error)) {
    bool same = fs::equivalent(a, b, error);
    if (!error) return same;
  }
  return fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
}

void SetFileFaultHook(FileFaultHook hook, void* context) {
  gHook = hook;
  gHookContext = context;
}

}  // namespace platform
