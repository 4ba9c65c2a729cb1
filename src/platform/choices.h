// The program's own choices that the settings record has no room for (the computer's strength,
// ...), kept as "key=value" lines of an INI file beside it. A missing or garbled file gives the
// defaults; a file that cannot be written loses only the choice being saved.
#pragma once

#include <string>
#include <utility>

namespace ossaric {

class ChoicesFile {
 public:
  explicit ChoicesFile(std::string path = {}) : path_(std::move(path)) {}
  void SetPath(std::string path) { path_ = std::move(path); }
  const std::string& Path() const { return path_; }

  // The whole number stored under `key`, or `fallback` when there is none.
  int Read(const std::string& key, int fallback) const;
  // False when the file could not be written.
  bool Write(const std::string& key, int value);
  // The text stored under `key` (UTF-8), "" when there is none; and its writing.
  std::string ReadText(const std::string& key) const;
  bool WriteText(const std::string& key, const std::string& value);

 private:
  std::string path_;
};

}  // namespace ossaric
