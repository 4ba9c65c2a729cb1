#include "platform/user_dirs.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace ossaric {

std::string HomeDirectory() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  const struct passwd* entry = ::getpwuid(::getuid());
  if (entry != nullptr && entry->pw_dir != nullptr && *entry->pw_dir != '\0') return entry->pw_dir;
  return {};
}

std::string XdgDirectory(const char* variable, const char* underHome) {
  // A relative path in the variable does not count: the home folder's default stands instead.
  const char* value = std::getenv(variable);
  if (value != nullptr && value[0] == '/') return CleanPath(value);
  const std::string home = HomeDirectory();
  if (home.empty()) return {};
  return CleanPath(home + "/" + underHome);
}

std::string UserConfigHome() {
  return XdgDirectory("XDG_CONFIG_HOME", ".config");
}

std::string UserDataHome() {
  return XdgDirectory("XDG_DATA_HOME", ".local/share");
}

std::string ProgramDirectory() {
  std::vector<char> buf(PATH_MAX);
  for (;;) {
    const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
    if (n < 0) return {};
    if (static_cast<size_t>(n) < buf.size()) {
      const std::string program(buf.data(), static_cast<size_t>(n));
      const size_t slash = program.rfind('/');
      if (slash == std::string::npos) return {};
      return slash == 0 ? "/" : program.substr(0, slash);
    }
    buf.resize(buf.size() * 2);
  }
}

std::string CurrentDirectory() {
  std::vector<char> buf(PATH_MAX);
  while (::getcwd(buf.data(), buf.size()) == nullptr) {
    if (errno != ERANGE) return {};
    buf.resize(buf.size() * 2);
  }
  return buf.data();
}

std::string CleanPath(const std::string& path) {
  if (path.empty()) return path;
  std::string clean = std::filesystem::path(path).lexically_normal().string();
  while (clean.size() > 1 && clean.back() == '/') clean.pop_back();
  return clean;
}

std::string AbsolutePath(const std::string& path) {
  if (path.empty() || path[0] == '/') return CleanPath(path);
  const std::string here = CurrentDirectory();
  return CleanPath(here.empty() ? path : here + "/" + path);
}

std::string CanonicalPath(const std::string& path) {
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return CleanPath(path);
  std::string out = resolved;
  std::free(resolved);
  return out;
}

}  // namespace ossaric
