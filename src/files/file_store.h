// Reading and replacing the game's small files without ever hanging on an odd file or leaving
// half a file behind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ossaric {

enum class FileState { Missing, Readable, Unreadable };

// Whether `path` names a file that exists, and whether it can be read (errno tells why not).
FileState ProbeFile(const std::string& path);

// Opens `path` read-only when it is a regular file (through links). A FIFO, a device, a socket
// or a directory is never opened for real, so nothing can block; -1 with errno set otherwise.
int OpenRegularFile(const std::string& path);

// Reads at most `limit` bytes from the start of the regular file `path`. False when it cannot
// be opened or is no regular file.
bool ReadFilePrefix(const std::string& path, size_t limit, std::vector<uint8_t>& out);

// Reads the whole regular file `path`, which must hold at most `limit` bytes (errno EFBIG when
// it holds more). False when it cannot be read.
bool ReadWholeFile(const std::string& path, size_t limit, std::vector<uint8_t>& out);

// Writes `size` bytes as the whole new contents of `path`: first into a temporary file in the
// same directory, which is then renamed over the old file, so a failure at any point leaves the
// old file as it was. A symbolic link is followed and its target replaced in the target's
// directory; a dangling link counts as an unwritable file.
// The file stays the file it was: its permissions, its owner and group, and its other names.
// So the bytes are written over the old file in place, the file first cut to the new length
// (it never ends longer than the new contents), instead of replacing it, when
//   - it has other names (hard links): every name then shows the new contents, as every name
//     of a symbolic link does;
//   - its owner or group could not be given to a replacement (a file of another user in a
//     directory this one may write);
//   - no temporary file can be made in the directory (no free inode, no room for a name).
// An existing file that is read-only (for anyone, root too) is left alone. False when nothing
// was written; then `error` (when given) holds the errno.
bool ReplaceFile(const std::string& path, const uint8_t* data, size_t size, int* error = nullptr);

// The file a save of `path` writes: the target of a symbolic link, else `path` itself.
std::string SaveTarget(const std::string& path);

// The errno of a failed read or save of `path` in plain words, lowercase, for the end of a
// sentence ("permission denied", "it is a directory", "it is a named pipe, not a file"); the
// kind of file is looked at again, so an odd file is named for what it is.
std::string FileProblem(const std::string& path, int error);

// An exclusive lock of a lock file, held until the object goes: games that save one file at once
// take turns. The lock is the system's (flock), so a game that ends in any way gives it up.
class FileLock {
 public:
  FileLock() = default;
  ~FileLock() { Release(); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Takes the lock of `lockPath` (made when missing, and kept: removing it could let two
  // games lock two different files), waiting at most `waitMs` for another holder. A lock file
  // that is no regular file (a directory, a FIFO, a device, a link to nothing) is never opened.
  // The lock is the system's, so a lock file left by a game that ended, empty or not, is free. When
  // no lock file can be made or opened there (a directory that takes no new file), the file `path`
  // that is to be saved is locked itself: a save into such a directory can only write that
  // file in place, so it stays the file everyone locks. False when neither can be had, with
  // errno EWOULDBLOCK when another game kept the lock for the whole wait.
  bool Acquire(const std::string& lockPath, const std::string& path, int waitMs, int& error);
  void Release();

 private:
  int fd_ = -1;
};

// Removes the temporary files that saves of `path` left behind when they were cut short (the
// program killed between making and renaming one), once they are older than a minute so that a
// save of another copy of the game running now is never disturbed. With `qtSaves`, also those
// that Qt's settings class of earlier versions left ("ossaric.conf.Ab12Cd": the name, a dot
// and six letters or digits). Other files are not touched.
void RemoveStaleTemporaries(const std::string& path, bool qtSaves = false);

// For tests only: when `tempFileError` is not 0, no temporary file can be made and the save
// behaves as on a file system without free inodes (errno ENOSPC) or one that refuses new files;
// `inPlaceStep`, when set, runs after each step of an in-place write ("cut", "written"), where a
// test can end the process as a kill would.
namespace testhooks {
extern int tempFileError;
extern void (*inPlaceStep)(const char* step);
}  // namespace testhooks

}  // namespace ossaric
