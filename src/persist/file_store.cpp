#include "persist/file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace ossaric {

namespace {

bool WriteAll(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Overwrites the file's bytes where it stands; used only when the directory takes no new files.
bool WriteInPlace(const std::string& path, const uint8_t* data, size_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, data, size) && ::ftruncate(fd, static_cast<off_t>(size)) == 0;
  ok = ::fsync(fd) == 0 && ok;
  return ::close(fd) == 0 && ok;
}

}  // namespace

FileState ProbeFile(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0)
    return errno == ENOENT || errno == ENOTDIR ? FileState::Missing : FileState::Unreadable;
  if (!S_ISREG(st.st_mode) || ::access(path.c_str(), R_OK) != 0) return FileState::Unreadable;
  return FileState::Readable;
}

bool ReadFilePrefix(const std::string& path, size_t limit, std::vector<uint8_t>& out) {
  out.clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  out.resize(limit);
  const size_t got = std::fread(out.data(), 1, limit, f);
  out.resize(got);
  std::fclose(f);
  return true;
}

bool ReplaceFile(const std::string& path, const uint8_t* data, size_t size) {
  struct stat old;
  const bool exists = ::stat(path.c_str(), &old) == 0;
  // A file without any write permission stays as it is, whoever runs the game.
  if (exists &&
      (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0))
    return false;

  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return exists && WriteInPlace(path, data, size);
  // A new file gets the permissions an ordinary create would give it.
  mode_t mode = 0;
  if (exists) {
    mode = old.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  (void)::fchmod(fd, mode);
  bool ok = WriteAll(fd, data, size);
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

}  // namespace ossaric
