// The choices file (platform/choices.h) read and written as every file of the game is: through
// the safe reads, the lock and the whole-file replace of file_store.h.
#include "platform/choices.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "files/file_store.h"

namespace ossaric {

namespace {

constexpr size_t kLargestChoices = 64 * 1024;
// A save of another game takes a few milliseconds; a lock held longer is another game's that
// hangs, and the choice is kept for this run rather than waited for.
constexpr int kLockWaitMs = 500;

struct Key {
  std::string section;
  std::string name;
};

// "Computer/Expert" is "Expert" under "[Computer]"; a key without a section is under "[General]".
Key SplitKey(const std::string& key) {
  const size_t slash = key.find('/');
  if (slash == std::string::npos) return {"General", key};
  return {key.substr(0, slash), key.substr(slash + 1)};
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

std::vector<std::string> Lines(const std::vector<uint8_t>& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (uint8_t b : bytes) {
    if (b == '\n') {
      lines.push_back(std::move(line));
      line.clear();
    } else {
      line.push_back(static_cast<char>(b));
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

// The line that holds `key`, or -1; `sectionEnd` is where a new line of its section goes (-1
// when the file has no such section).
int FindLine(const std::vector<std::string>& lines, const Key& key, int& sectionEnd) {
  std::string_view section = "General";
  sectionEnd = -1;
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    const std::string_view t = Trim(lines[i]);
    if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
      section = t.substr(1, t.size() - 2);
      if (section == key.section) sectionEnd = i + 1;
      continue;
    }
    if (section != key.section) continue;
    if (!t.empty()) sectionEnd = i + 1;
    const size_t eq = t.find('=');
    if (eq != std::string_view::npos && Trim(t.substr(0, eq)) == key.name) return i;
  }
  return -1;
}

std::optional<std::string> ValueIn(const std::vector<std::string>& lines, const Key& key) {
  int sectionEnd = -1;
  const int at = FindLine(lines, key, sectionEnd);
  if (at < 0) return std::nullopt;
  std::string_view value = Trim(std::string_view(lines[at]).substr(lines[at].find('=') + 1));
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

void SetValue(std::vector<std::string>& lines, const Key& key, const std::string& value) {
  int sectionEnd = -1;
  const int at = FindLine(lines, key, sectionEnd);
  const std::string line = key.name + "=" + value;
  if (at >= 0) {
    lines[at] = line;
  } else if (sectionEnd >= 0) {
    lines.insert(lines.begin() + sectionEnd, line);
  } else {
    if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
    lines.push_back("[" + key.section + "]");
    lines.push_back(line);
  }
}

std::vector<uint8_t> ImageOf(const std::vector<std::string>& lines) {
  std::vector<uint8_t> bytes;
  for (const std::string& l : lines) {
    bytes.insert(bytes.end(), l.begin(), l.end());
    bytes.push_back('\n');
  }
  return bytes;
}

bool Fail(ChoicesProblem* problem, const std::string& file, int error) {
  if (problem != nullptr) *problem = {file, FileProblem(file, error)};
  return false;
}

// Writes each value under its key into the file at `path`, under its lock, keeping every other
// line.
bool Save(const std::string& path, const ChoicesFile::Values& values, ChoicesProblem* problem) {
  if (path.empty()) return Fail(problem, path, ENOENT);
  const size_t slash = path.rfind('/');
  if (slash != std::string::npos && slash > 0) {
    std::error_code ec;
    std::filesystem::create_directories(path.substr(0, slash), ec);
  }
  const std::string lockPath = SaveTarget(path) + ".lock";
  FileLock lock;
  int error = 0;
  if (!lock.Acquire(lockPath, path, kLockWaitMs, error))
    return Fail(problem, error == EWOULDBLOCK ? path : lockPath, error);
  std::vector<uint8_t> bytes;
  // A file that is there but cannot be read may hold choices this run never saw: it stays.
  if (!ReadWholeFile(path, kLargestChoices, bytes) && errno != ENOENT)
    return Fail(problem, path, errno);
  std::vector<std::string> lines = Lines(bytes);
  for (const auto& [key, value] : values) SetValue(lines, SplitKey(key), value);
  const std::vector<uint8_t> image = ImageOf(lines);
  if (!ReplaceFile(path, image.data(), image.size(), &error))
    return Fail(problem, SaveTarget(path), error);
  return true;
}

}  // namespace

int ChoicesFile::Read(const std::string& key, int fallback) const {
  const std::string text = Read(key, std::string());
  if (text.empty()) return fallback;
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || value < INT32_MIN || value > INT32_MAX) return fallback;
  return static_cast<int>(value);
}

std::string ChoicesFile::Read(const std::string& key, const std::string& fallback) const {
  if (auto kept = kept_.find(key); kept != kept_.end()) return kept->second;
  std::vector<uint8_t> bytes;
  if (path_.empty() || !ReadWholeFile(path_, kLargestChoices, bytes)) return fallback;
  return ValueIn(Lines(bytes), SplitKey(key)).value_or(fallback);
}

bool ChoicesFile::Write(const std::string& key, int value, ChoicesProblem* problem) {
  return Write(key, std::to_string(value), problem);
}

bool ChoicesFile::Write(const std::string& key, const std::string& value, ChoicesProblem* problem) {
  return Write(Values{{key, value}}, problem);
}

bool ChoicesFile::Write(const Values& values, ChoicesProblem* problem) {
  Values texts = values;
  for (auto& [key, text] : texts) {
    std::erase_if(text, [](char c) { return c == '\n' || c == '\r'; });
    kept_[key] = text;
  }
  return Save(path_, texts, problem);
}

void ChoicesFile::RemoveLeftovers() const {
  if (!path_.empty()) RemoveStaleTemporaries(path_, true);
}

}  // namespace ossaric
