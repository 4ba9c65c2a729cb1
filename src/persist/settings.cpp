// The settings file "bexil.ini" in the settings directory: the players, their names, the tip
// counter, music, sound and the animation pause, read when the window is built and written when
// it closes.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "persist/file_images.h"
#include "persist/file_store.h"
#include "ui/yacht_window.h"

namespace ossaric {

namespace {

constexpr const char* kSettingsFile = "bexil.ini";

}  // namespace

// Reads the record and takes over its choices. False when there is no usable file: then nothing
// is changed. A file that may be read but not written is read all the same.
// Without a settings file of its own the game takes over the one an older start left in its
// directory, once: the next close writes the game's own.
bool TYachtWindow::ReadSettings() {
  std::string path = PlaceFile(Places.configDir, kSettingsFile);
  RemoveStaleTemporaries(path);
  FileState state = ProbeFile(path);
  if (state == FileState::Missing && !Places.oldSettings.empty()) {
    path = Places.oldSettings;
    state = ProbeFile(path);
  }
  if (state != FileState::Readable) return false;
  std::vector<uint8_t> bytes;
  if (!ReadFilePrefix(path, kSettingsSize, bytes)) return false;
  TSettings s;
  if (!DecodeSettings(bytes.data(), bytes.size(), s)) return false;
  SettingsRecord.fill(0);
  std::memcpy(SettingsRecord.data(), bytes.data(), bytes.size());
  PlayerCount = s.PlayerCount;
  for (int n = 1; n <= 4; ++n) std::memcpy(PlayerName[n], s.PlayerName[n], 9);
  HintIndex = s.HintIndex;
  MusicOn = s.MusicOn;
  SoundOn = s.SoundOn;
  AnimDelay = s.AnimDelay;
  return true;
}

// Fills the record from the game state and replaces the file with it. A file that exists but
// cannot be read is never replaced: it may hold choices this run never saw. A failure costs one
// line on standard error and nothing else.
void TYachtWindow::WriteSettings() {
  TSettings s;
  s.PlayerCount = PlayerCount;
  for (int n = 1; n <= 4; ++n) std::memcpy(s.PlayerName[n], PlayerName[n], 9);
  s.HintIndex = HintIndex;
  s.MusicOn = MusicOn;
  s.SoundOn = SoundOn;
  s.AnimDelay = AnimDelay;
  SettingsRecord = EncodeSettings(s);
  const std::string path = PlaceFile(Places.configDir, kSettingsFile);
  int error = 0;
  if (ProbeFile(path) == FileState::Unreadable) {
    error = errno;
  } else {
    std::error_code ec;
    if (!Places.configDir.empty()) std::filesystem::create_directories(Places.configDir, ec);
    if (ReplaceFile(path, SettingsRecord.data(), SettingsRecord.size(), &error)) return;
  }
  std::fprintf(stderr, "ossaric: the settings could not be saved to %s: %s\n", path.c_str(),
               std::strerror(error));
}

// How the program opens: on the setup screen the first time, else on the tips panel or, with
// tips switched off, straight on a game.
void TYachtWindow::ChooseOpening() {
  if (!ReadSettings()) {
    PlayerCount = 1;
    HintIndex = 0;
    SetupShown = 1;
    return;
  }
  SetupShown = 0;
  TotalsPlayer = PlayerCount != 0 ? 1 : 0;
  if (HintIndex < 0) {
    ResetGame(false);
    GameActive = 1;
  } else {
    HintsShown = 1;
  }
}

}  // namespace ossaric
