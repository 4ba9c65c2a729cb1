#include "audio/playlist.h"

#include <filesystem>

#include "platform/places.h"

namespace ossaric {

namespace {

bool IsMidiName(const std::string& name) {
  // Hidden files are not normal files; the suffix is matched regardless of case.
  if (name.size() < 5 || name[0] == '.') return false;
  std::string suffix = name.substr(name.size() - 4);
  for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return suffix == ".mid";
}

bool IsNormalFile(const std::string& name) {
  std::error_code ec;
  return std::filesystem::is_regular_file(name, ec);
}

}  // namespace

// The music directories one after the other (the installed pieces, then the player's own), each
// in its listing order.
void TPlaylist::StartMusicSearch() {
  files_.clear();
  next_ = 0;
  searching_ = true;
  for (const std::string& dir : musicDirs_) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir.empty() ? "." : dir, ec), end; !ec && it != end;
         it.increment(ec)) {
      const std::string path = PlaceFile(dir, it->path().filename().string());
      if (IsMidiName(it->path().filename().string()) && IsNormalFile(path)) files_.push_back(path);
    }
  }
}

std::string TPlaylist::NextMusicFile() {
  if (!searching_) return {};
  // A file deleted since the search started is passed over, as a live listing would.
  while (next_ < files_.size()) {
    const std::string& name = files_[next_++];
    if (IsNormalFile(name)) return name;
  }
  searching_ = false;
  return {};
}

int TPlaylist::AdvancePlaylist() {
  sound_.MidiCloseAll();
  device_ = 0;
  std::string file;
  if (restart_) {
    restart_ = 0;
    StartMusicSearch();
    file = NextMusicFile();
  } else {
    file = NextMusicFile();
    if (file.empty()) {
      StartMusicSearch();
      file = NextMusicFile();
    }
  }
  if (file.empty()) return kMidiOk;  // no music in the directory: silence
  fileName_ = file;
  int error = kMidiOk;
  device_ = sound_.MidiOpen(fileName_, error);
  if (device_ == 0) {
    // A piece that cannot be opened is reported once and not played. Without any audio
    // device there is nothing to hear and nothing to tell at every start.
    if (error == kMidiNoDevice) return kMidiOk;
    return error != kMidiOk ? error : kMidiCannotOpen;
  }
  return sound_.MidiPlay(device_);
}

void TPlaylist::Stop() {
  sound_.MidiCloseAll();
  device_ = 0;
}

}  // namespace ossaric
