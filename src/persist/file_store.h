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
// old file as it was. A link is followed and its target replaced in the target's directory; a
// dangling link counts as an unwritable file. An existing file keeps its owner and permissions.
// When no temporary file can be made in the directory but the file itself is writable, the
// bytes are written over it in place, the file first cut to the new length, so it never ends
// longer than the new contents. An existing file that is read-only (for anyone, root too) is left
// alone. False when nothing was written; then `error` (when given) holds the errno.
bool ReplaceFile(const std::string& path, const uint8_t* data, size_t size, int* error = nullptr);

// Removes the temporary files that saves of `path` left behind when they were cut short (the
// program killed between making and renaming one), once they are older than a minute so that a
// save of another copy of the game running now is never disturbed. Other files are not touched.
void RemoveStaleTemporaries(const std::string& path);

// For tests only: when `tempFileError` is not 0, no temporary file can be made and the save
// behaves as on a file system without free inodes (errno ENOSPC) or one that refuses new files;
// `inPlaceStep`, when set, runs after each step of an in-place write ("cut", "written"), where a
// test can end the process as a kill would.
namespace testhooks {
extern int tempFileError;
extern void (*inPlaceStep)(const char* step);
}  // namespace testhooks

}  // namespace ossaric
