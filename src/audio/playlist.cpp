// Background music: every "*.mid" file of the music directories plays in turn, in the order the
// file system lists them, and the list starts over after the last. The Audio menu switches
// music and effects on and off.
#include <filesystem>

#include "ui/yacht_window.h"

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
void TYachtWindow::StartMusicSearch() {
  MusicFiles.clear();
  MusicSearchNext = 0;
  MusicSearchRunning = true;
  for (const std::string& dir : Places.musicDirs) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir.empty() ? "." : dir, ec), end; !ec && it != end;
         it.increment(ec)) {
      const std::string path = PlaceFile(dir, it->path().filename().string());
      if (IsMidiName(it->path().filename().string()) && IsNormalFile(path))
        MusicFiles.push_back(path);
    }
  }
}

std::string TYachtWindow::NextMusicFile() {
  if (!MusicSearchRunning) return {};
  // A file deleted since the search started is passed over, as a live listing would.
  while (MusicSearchNext < MusicFiles.size()) {
    const std::string& name = MusicFiles[MusicSearchNext++];
    if (IsNormalFile(name)) return name;
  }
  MusicSearchRunning = false;
  return {};
}

void TYachtWindow::AdvancePlaylist() {
  if (MusicOn == 0 || closed_) return;
  sound_.MidiCloseAll();
  MusicDevice = 0;
  std::string file;
  if (MusicRestart) {
    MusicRestart = 0;
    StartMusicSearch();
    file = NextMusicFile();
  } else {
    file = NextMusicFile();
    if (file.empty()) {
      StartMusicSearch();
      file = NextMusicFile();
    }
  }
  if (file.empty()) return;  // no music in the directory: silence
  MusicFileName = file;
  int error = kMidiOk;
  MusicDevice = sound_.MidiOpen(MusicFileName, error);
  if (MusicDevice == 0) {
    // A piece that cannot be opened is reported once and not played. Without any audio
    // device there is nothing to hear and nothing to tell at every start.
    if (error != kMidiNoDevice) ReportMciError(error != kMidiOk ? error : kMidiCannotOpen);
    return;
  }
  const int played = sound_.MidiPlay(MusicDevice);
  if (played != kMidiOk) ReportMciError(played);
}

void TYachtWindow::ReportMciError(int code) {
  host_.MessageBox(sound_.MidiErrorText(code), "MCI Error", MessageIcon::Exclamation, true);
}

void TYachtWindow::SetAudioCheckMarks() {
  host_.CheckMenuItem(kCmdSoundOn, SoundOn != 0);
  host_.CheckMenuItem(kCmdSoundOff, SoundOn == 0);
  host_.CheckMenuItem(kCmdMusicOn, MusicOn != 0);
  host_.CheckMenuItem(kCmdMusicOff, MusicOn == 0);
  host_.DrawMenuBar();
}

void TYachtWindow::SetMusicOn() {
  MusicOn = 1;
  SetAudioCheckMarks();
  MusicRestart = 1;
  AdvancePlaylist();
}

void TYachtWindow::SetMusicOff() {
  // Cleared before the close, so a notice the close might bring starts nothing.
  MusicOn = 0;
  SetAudioCheckMarks();
  sound_.MidiCloseAll();
  MusicDevice = 0;
}

void TYachtWindow::SetSoundOn() {
  SoundOn = 1;
  SetAudioCheckMarks();
}

void TYachtWindow::SetSoundOff() {
  SoundOn = 0;
  SetAudioCheckMarks();
}

}  // namespace ossaric
