// The program's own choices that the settings record has no room for (the computer's strength,
// ...), kept as "key=value" lines of an INI file beside it; a key "Section/name" is the line
// "name=value" under "[Section]". The file is read and written like every file of the game
// (files/choices.cpp, through files/file_store.h): only a regular file of at most 64 KB is read,
// it is replaced whole, and its lock is waited for half a second at most. A missing or garbled
// file gives the defaults; a choice that cannot be written is kept for this run all the same.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ossaric {

// Why a choice could not be saved: the file at fault (the choices file or its lock) and the
// reason, in words for the end of a sentence ("permission denied").
struct ChoicesProblem {
  std::string file;
  std::string reason;
};

class ChoicesFile {
 public:
  explicit ChoicesFile(std::string path = {}) : path_(std::move(path)) {}
  void SetPath(std::string path) { path_ = std::move(path); }
  const std::string& Path() const { return path_; }

  // The whole number stored under `key`, or `fallback` when there is none.
  int Read(const std::string& key, int fallback) const;
  // The text stored under `key` (a language's name, say), or `fallback` when there is none.
  std::string Read(const std::string& key, const std::string& fallback) const;
  // False when the file could not be written, with `problem` (when given) saying why; the value
  // is kept all the same, and read back for the rest of this run. A text keeps no line break.
  bool Write(const std::string& key, int value, ChoicesProblem* problem = nullptr);
  bool Write(const std::string& key, const std::string& value, ChoicesProblem* problem = nullptr);
  // Several keys in one save, all or none of them (a place and a size that belong together).
  using Values = std::vector<std::pair<std::string, std::string>>;
  bool Write(const Values& values, ChoicesProblem* problem = nullptr);

  // Removes what saves cut short by a kill left beside the file: ours, and those of the
  // settings class of earlier versions ("ossaric.conf.Ab12Cd"), once they are a minute old.
  void RemoveLeftovers() const;

 private:
  std::string path_;
  std::map<std::string, std::string> kept_;  // what this run wrote, saved or not
};

}  // namespace ossaric
