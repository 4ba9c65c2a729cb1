#include "persist/file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace ossaric {

namespace {

// Temporary files of a save are hidden and named after the file they replace, so that a later
// start can tell its own leftovers from anything else: ".bexil.ini.ossaric-save.Ab12Cd".
constexpr const char* kTempMark = ".ossaric-save.";
constexpr int kTempRandomChars = 6;
constexpr time_t kStaleSeconds = 60;

struct Place {
  std::string dir;   // "." for a bare name
  std::string name;  // the last component
};

Place SplitPath(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

std::string TempPrefix(const std::string& name) {
  return "." + name + kTempMark;
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = EIO;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Keeps the first errno of a sequence of steps.
bool Step(bool ok, int& error) {
  if (!ok && error == 0) error = errno != 0 ? errno : EIO;
  return ok;
}

// Overwrites the file's bytes where it stands; used only when the directory takes no new files.
// A longer old file is cut first: a kill after the cut leaves the old record's head, which is
// the whole old record, never the new bytes followed by an old tail.
bool WriteInPlace(const std::string& path, const uint8_t* data, size_t size, int& error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (!Step(fd >= 0, error)) return false;
  struct stat st;
  bool ok = Step(::fstat(fd, &st) == 0, error);
  if (ok && !S_ISREG(st.st_mode)) ok = Step((errno = EINVAL, false), error);
  if (ok && st.st_size > static_cast<off_t>(size)) {
    ok = Step(::ftruncate(fd, static_cast<off_t>(size)) == 0, error);
    if (testhooks::inPlaceStep) testhooks::inPlaceStep("cut");
  }
  ok = ok && Step(WriteAll(fd, data, size), error);
  if (testhooks::inPlaceStep) testhooks::inPlaceStep("written");
  ok = ok && Step(::fsync(fd) == 0, error);
  return Step(::close(fd) == 0, error) && ok;
}

// Where a save of `path` really goes: a link is followed to its target. False for a dangling
// link (or a loop), which is as good as a file that cannot be written.
bool ResolveTarget(const std::string& path, std::string& target, int& error) {
  struct stat st;
  target = path;
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return Step(false, error);
  target = resolved;
  return true;
}

}  // namespace

namespace testhooks {
int tempFileError = 0;
void (*inPlaceStep)(const char* step) = nullptr;
}  // namespace testhooks

FileState ProbeFile(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0)
    return errno == ENOENT || errno == ENOTDIR ? FileState::Missing : FileState::Unreadable;
  if (!S_ISREG(st.st_mode)) {
    errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    return FileState::Unreadable;
  }
  return ::faccessat(AT_FDCWD, path.c_str(), R_OK, AT_EACCESS) == 0 ? FileState::Readable
                                                                    : FileState::Unreadable;
}

int OpenRegularFile(const std::string& path) {
  // Checked before the open (opening some devices already does something) and again after it
  // on what was opened, in case the name was swapped meanwhile; non-blocking, so a FIFO that
  // slips through cannot wait for a writer.
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return -1;
  if (!S_ISREG(st.st_mode)) {
    errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    return -1;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return -1;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    errno = EINVAL;
    return -1;
  }
  return fd;
}

bool ReadFilePrefix(const std::string& path, size_t limit, std::vector<uint8_t>& out) {
  out.clear();
  const int fd = OpenRegularFile(path);
  if (fd < 0) return false;
  out.resize(limit);
  size_t got = 0;
  while (got < limit) {
    const ssize_t n = ::read(fd, out.data() + got, limit - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  out.resize(got);
  ::close(fd);
  return true;
}

bool ReadWholeFile(const std::string& path, size_t limit, std::vector<uint8_t>& out) {
  out.clear();
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
      static_cast<uint64_t>(st.st_size) > limit) {
    errno = EFBIG;
    return false;
  }
  // One byte more than allowed tells a file that grew since the look at its size.
  if (!ReadFilePrefix(path, limit + 1, out)) return false;
  if (out.size() > limit) {
    out.clear();
    errno = EFBIG;
    return false;
  }
  return true;
}

bool ReplaceFile(const std::string& path, const uint8_t* data, size_t size, int* errorOut) {
  int error = 0;
  const bool ok = [&] {
    std::string target;
    if (!ResolveTarget(path, target, error)) return false;
    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return Step(false, error);
    // A file without any write permission stays as it is, whoever runs the game.
    if (exists && !S_ISREG(old.st_mode)) return Step((errno = EINVAL, false), error);
    if (exists && (old.st_mode & 0222) == 0) return Step((errno = EACCES, false), error);
    if (exists && !Step(::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0, error))
      return false;

    const Place place = SplitPath(target);
    std::string temp =
        place.dir + "/" + TempPrefix(place.name) + std::string(kTempRandomChars, 'X');
    const int fd = testhooks::tempFileError != 0 ? (errno = testhooks::tempFileError, -1)
                                                 : ::mkstemp(temp.data());
    if (fd < 0) {
      if (exists) return WriteInPlace(target, data, size, error);
      return Step(false, error);
    }
    // A new file gets the permissions an ordinary create would give it, an old one its own
    // permissions and, as far as we may set it, its owner.
    mode_t mode = 0;
    if (exists) {
      mode = old.st_mode & 07777;
      if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
        (void)!::fchown(fd, old.st_uid, old.st_gid);
    } else {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      mode = 0666 & ~mask;
    }
    (void)::fchmod(fd, mode);
    bool written = Step(WriteAll(fd, data, size), error);
    written = Step(::fsync(fd) == 0, error) && written;
    written = Step(::close(fd) == 0, error) && written;
    if (written) written = Step(std::rename(temp.c_str(), target.c_str()) == 0, error);
    if (!written) ::unlink(temp.c_str());
    return written;
  }();
  if (errorOut != nullptr) *errorOut = ok ? 0 : error;
  return ok;
}

void RemoveStaleTemporaries(const std::string& path) {
  std::string target;
  int error = 0;
  if (!ResolveTarget(path, target, error)) target = path;
  const Place place = SplitPath(target);
  const std::string prefix = TempPrefix(place.name);
  const time_t now = std::time(nullptr);
  std::error_code ec;
  for (std::filesystem::directory_iterator it(place.dir, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() != prefix.size() + kTempRandomChars || name.compare(0, prefix.size(), prefix))
      continue;
    const std::string full = place.dir + "/" + name;
    struct stat st;
    if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_mtime < now - kStaleSeconds)
      ::unlink(full.c_str());
  }
}

}  // namespace ossaric
