#include "files/file_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <thread>

#include "platform/words.h"

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

// `fd` when it is open on a regular file; else it is closed: -1 with errno EINVAL (or the
// errno of the failed open).
int OnlyRegular(int fd) {
  if (fd < 0) return -1;
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) return fd;
  ::close(fd);
  errno = EINVAL;
  return -1;
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
  return OnlyRegular(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
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
    // A file with other names keeps them: it is written where it stands, and every name shows
    // the new bytes.
    if (exists && old.st_nlink > 1) return WriteInPlace(target, data, size, error);

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
    // permissions and its owner and group. A replacement that cannot be given them (the file
    // is another user's) is not made: the bytes go in place, into the file as it is.
    mode_t mode = 0;
    if (exists) {
      mode = old.st_mode & 07777;
      struct stat made;
      const bool sameOwner =
          ::fstat(fd, &made) == 0 && made.st_uid == old.st_uid && made.st_gid == old.st_gid;
      if (!sameOwner && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        ::close(fd);
        ::unlink(temp.c_str());
        return WriteInPlace(target, data, size, error);
      }
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

std::string SaveTarget(const std::string& path) {
  std::string target;
  int error = 0;
  return ResolveTarget(path, target, error) ? target : path;
}

std::string FileProblem(const std::string& path, int error) {
  constexpr const char* kContext = "Files";
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 && errno == ENOENT && ::lstat(path.c_str(), &st) == 0 &&
      S_ISLNK(st.st_mode))
    return Words(kContext, QT_TRANSLATE_NOOP("Files", "it is a symbolic link that leads nowhere"));
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    if (S_ISDIR(st.st_mode))
      return Words(kContext, QT_TRANSLATE_NOOP("Files", "it is a directory, not a file"));
    if (S_ISFIFO(st.st_mode))
      return Words(kContext, QT_TRANSLATE_NOOP("Files", "it is a named pipe, not a file"));
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
      return Words(kContext, QT_TRANSLATE_NOOP("Files", "it is a device, not a file"));
    if (S_ISSOCK(st.st_mode))
      return Words(kContext, QT_TRANSLATE_NOOP("Files", "it is a socket, not a file"));
  }
  static constexpr struct {
    int error;
    const char* words;
  } kSaid[] = {
      {EACCES, QT_TRANSLATE_NOOP("Files", "permission denied")},
      {EPERM, QT_TRANSLATE_NOOP("Files", "permission denied")},
      {EWOULDBLOCK, QT_TRANSLATE_NOOP("Files", "another running game kept it locked")},
      {ENOSPC, QT_TRANSLATE_NOOP("Files", "the disk is full")},
      {EDQUOT, QT_TRANSLATE_NOOP("Files", "the disk quota is used up")},
      {EROFS, QT_TRANSLATE_NOOP("Files", "the disk may only be read")},
      {ENOTDIR, QT_TRANSLATE_NOOP("Files", "a part of its path is not a directory")},
      {EISDIR, QT_TRANSLATE_NOOP("Files", "it is a directory, not a file")},
      {ELOOP, QT_TRANSLATE_NOOP("Files", "its symbolic links go round in a loop")},
      {EFBIG, QT_TRANSLATE_NOOP("Files", "it is too large")},
      {EIO, QT_TRANSLATE_NOOP("Files", "the disk reported an error")},
  };
  for (const auto& said : kSaid)
    if (said.error == error) return Words(kContext, said.words);
  // Anything else in the system's own words, as the end of a sentence.
  std::string text = std::strerror(error != 0 ? error : EIO);
  if (text.size() > 1 && std::isupper(static_cast<unsigned char>(text[0])) &&
      std::islower(static_cast<unsigned char>(text[1])))
    text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  return text;
}

namespace {

// A lock file opened for its lock: only a regular file (made when missing), never waited on.
int OpenLockFile(const std::string& lockPath) {
  struct stat st;
  if (::stat(lockPath.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) {
      errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
      return -1;
    }
  } else if (errno == ENOENT && ::lstat(lockPath.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    // A link to nothing: opening it would make its target, wherever it points.
    errno = ENOENT;
    return -1;
  }
  constexpr int kFlags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | kFlags, 0666);
  // Another user's lock file may still be locked through a descriptor that only reads.
  if (fd < 0 && errno == EACCES) fd = ::open(lockPath.c_str(), O_RDONLY | kFlags);
  return OnlyRegular(fd);
}

}  // namespace

bool FileLock::Acquire(const std::string& lockPath, const std::string& path, int waitMs,
                       int& error) {
  Release();
  int fd = OpenLockFile(lockPath);
  if (fd < 0) {
    const int lockError = errno;
    fd = OpenRegularFile(path);
    if (fd < 0) {
      error = lockError;
      return false;
    }
  }
  // Another game holds the lock for the few milliseconds of its save: look again after a
  // short pause, growing to 50 ms, until the wait is over.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
  int pauseMs = 1;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int why = errno;
    if (why == EINTR) continue;
    const auto now = std::chrono::steady_clock::now();
    if (why != EWOULDBLOCK || now >= deadline) {
      ::close(fd);
      error = why;
      return false;
    }
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
        std::chrono::milliseconds(pauseMs), deadline - now));
    pauseMs = std::min(pauseMs * 2, 50);
  }
  fd_ = fd;
  return true;
}

void FileLock::Release() {
  if (fd_ < 0) return;
  ::close(fd_);  // the lock goes with the descriptor
  fd_ = -1;
}

namespace {

// "ossaric.conf.Ab12Cd": the name Qt's save of `name` gives its temporary file.
bool IsQtTemporary(const std::string& file, const std::string& name) {
  if (file.size() != name.size() + 1 + kTempRandomChars || file.compare(0, name.size(), name) ||
      file[name.size()] != '.')
    return false;
  return std::all_of(file.begin() + static_cast<long>(name.size()) + 1, file.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace

void RemoveStaleTemporaries(const std::string& path, bool qtSaves) {
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
    const bool ours =
        name.size() == prefix.size() + kTempRandomChars && !name.compare(0, prefix.size(), prefix);
    if (!ours && !(qtSaves && IsQtTemporary(name, place.name))) continue;
    const std::string full = place.dir + "/" + name;
    struct stat st;
    if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_mtime < now - kStaleSeconds)
      ::unlink(full.c_str());
  }
}

}  // namespace ossaric
