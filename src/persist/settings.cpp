// The settings file "bexil.ini": read when the window is built and written when it closes.
#include "persist/settings.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "files/file_store.h"

namespace ossaric {

namespace {

constexpr const char* kSettingsFile = "bexil.ini";

}  // namespace

bool ReadSettingsFile(const GamePlaces& places, TSettings& out,
                      std::array<uint8_t, kSettingsSize>& record) {
  std::string path = PlaceFile(places.configDir, kSettingsFile);
  RemoveStaleTemporaries(path);
  FileState state = ProbeFile(path);
  if (state == FileState::Missing && !places.oldSettings.empty()) {
    path = places.oldSettings;
    state = ProbeFile(path);
  }
  if (state != FileState::Readable) return false;
  std::vector<uint8_t> bytes;
  if (!ReadFilePrefix(path, kSettingsSize, bytes)) return false;
  TSettings s;
  if (!DecodeSettings(bytes.data(), bytes.size(), s)) return false;
  out = s;
  record.fill(0);
  std::memcpy(record.data(), bytes.data(), bytes.size());
  return true;
}

bool WriteSettingsFile(const GamePlaces& places, const std::array<uint8_t, kSettingsSize>& record,
                       std::string& path, int& error, std::string& reason) {
  path = PlaceFile(places.configDir, kSettingsFile);
  error = 0;
  reason.clear();
  if (ProbeFile(path) == FileState::Unreadable) {
    error = errno;
  } else {
    std::error_code ec;
    if (!places.configDir.empty()) std::filesystem::create_directories(places.configDir, ec);
    if (ReplaceFile(path, record.data(), record.size(), &error)) return true;
  }
  reason = FileProblem(SaveTarget(path), error);
  return false;
}

}  // namespace ossaric
