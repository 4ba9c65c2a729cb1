#include "audio/playlist.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "platform/game_places.h"
#include "platform/words.h"

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
  report_ = kMidiOk;
  told_.clear();
  // The piece whose end brought this step: one that could not start after all, or stopped as
  // soon as it had begun, is left out from now on rather than started again at once.
  if (!restart_ && device_ != 0) {
    const MidiEnd end = sound_.MidiEnded(device_);
    if (end.error != kMidiOk) {
      LeaveOut(fileName_, end.error, sound_.MidiErrorText(end.error));
    } else if (end.playedMs >= 0 && end.playedMs < kMomentMs) {
      LeaveOut(fileName_, kMidiEndedAtOnce,
               Words("Music",
                     QT_TRANSLATE_NOOP("Music",
                                       "The music file \"%1\" stopped as soon as it began. It "
                                       "is left out until the game is started again."),
                     {fileName_}));
    }
  }
  sound_.MidiCloseAll();
  device_ = 0;
  // The running search goes on (a fresh one after a restart); when it has no further match a
  // fresh one starts, once: then every piece there is has been looked at.
  bool fresh = false;
  if (restart_) {
    restart_ = 0;
    StartMusicSearch();
    fresh = true;
  }
  for (;;) {
    const std::string file = NextMusicFile();
    if (file.empty()) {
      if (fresh) break;  // no music in the directories, or none left: silence
      StartMusicSearch();
      fresh = true;
      continue;
    }
    if (LeftOut(file)) continue;
    fileName_ = file;
    int error = kMidiOk;
    device_ = sound_.MidiOpen(fileName_, error);
    if (device_ == 0) {
      // Without any audio device there is nothing to hear and nothing to tell at every start;
      // without MIDI support no piece can play, which is told once per start of the music.
      if (error == kMidiNoDevice) break;
      if (error == kMidiNoSupport) {
        Tell(error, sound_.MidiErrorText(error));
        break;
      }
      const int code = error != kMidiOk ? error : kMidiCannotOpen;
      LeaveOut(fileName_, code, sound_.MidiErrorText(code));
      continue;
    }
    const int played = sound_.MidiPlay(device_);
    if (played == kMidiOk) break;
    sound_.MidiCloseAll();
    device_ = 0;
    if (played == kMidiBadDevice) {  // the device went away: no fault of the piece
      Tell(played, sound_.MidiErrorText(played));
      break;
    }
    LeaveOut(fileName_, played, sound_.MidiErrorText(played));
  }
  return report_;
}

std::string TPlaylist::ErrorText(int code) {
  return told_.empty() ? sound_.MidiErrorText(code) : told_;
}

TPlaylist::FileId TPlaylist::Identify(const std::string& path) {
  FileId id;
  id.path = path;
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) {
    id.size = static_cast<long long>(st.st_size);
    id.modified = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
  }
  return id;
}

bool TPlaylist::LeftOut(const std::string& path) const {
  const FileId id = Identify(path);
  return std::find(leftOut_.begin(), leftOut_.end(), id) != leftOut_.end();
}

void TPlaylist::LeaveOut(const std::string& path, int code, const std::string& text) {
  if (!LeftOut(path)) leftOut_.push_back(Identify(path));
  Tell(code, text);
}

// Several pieces left out in one step are told in one box.
void TPlaylist::Tell(int code, const std::string& text) {
  if (report_ == kMidiOk) report_ = code;
  if (!told_.empty()) told_ += "\n\n";
  told_ += text;
}

void TPlaylist::Stop() {
  sound_.MidiCloseAll();
  device_ = 0;
}

}  // namespace ossaric
