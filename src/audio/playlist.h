// Background music: every "*.mid" file of the music directories plays in turn, in the order the
// file system lists them, and the list starts over after the last.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/sound.h"

namespace ossaric {

class TPlaylist {
 public:
  // `musicDirs` are searched one after the other; "" is the current directory.
  TPlaylist(SoundDevice& sound, std::vector<std::string> musicDirs)
      : sound_(sound), musicDirs_(std::move(musicDirs)) {}

  // Closes the piece playing and starts the next one (the first after a restart). Returns the
  // MIDI error to report, or kMidiOk: no music files and no audio device are not reported.
  int AdvancePlaylist();
  // The music stops; the next start begins the list again.
  void Stop();
  void Restart() { restart_ = 1; }

  void StartMusicSearch();
  std::string NextMusicFile();  // "" when the running search has no further match

  uint8_t& MusicRestart() { return restart_; }
  uint32_t MusicDevice() const { return device_; }
  const std::string& MusicFileName() const { return fileName_; }

 private:
  SoundDevice& sound_;
  std::vector<std::string> musicDirs_;
  uint8_t restart_ = 1;
  std::vector<std::string> files_;  // the running search: paths in listing order
  size_t next_ = 0;
  bool searching_ = false;
  uint32_t device_ = 0;
  std::string fileName_;
};

}  // namespace ossaric
