// Reading and replacing the game's small binary files without ever leaving half a file behind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ossaric {

enum class FileState { Missing, Readable, Unreadable };

// Whether `path` names a file that exists, and whether it can be read.
FileState ProbeFile(const std::string& path);

// Reads at most `limit` bytes from the start of `path`. False when it cannot be opened.
bool ReadFilePrefix(const std::string& path, size_t limit, std::vector<uint8_t>& out);

// Writes `size` bytes as the whole new contents of `path`: first into a temporary file in the
// same directory, which is then renamed over the old file, so a failure at any point leaves the
// old file as it was. An existing file keeps its permissions. When no temporary file can be made
// in the directory but the file itself is writable, the bytes are written over it in place.
// An existing file that is read-only (for anyone, root too) is left alone. False when nothing was
// written.
bool ReplaceFile(const std::string& path, const uint8_t* data, size_t size);

}  // namespace ossaric
