// Background music: every "*.mid" file of the music directories plays in turn, in the order the
// file system lists them, and the list starts over after the last. A piece that cannot be
// played, or stops as soon as it has begun (a damaged file), is told once and left out for the
// rest of the run; when no piece is left, the music is silent.
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
  // A piece that stops by itself within this many milliseconds of its start counts as damaged:
  // started again and again, it would keep a core busy loading it.
  static constexpr int kMomentMs = 1000;

  // `musicDirs` are searched one after the other; "" is the current directory.
  TPlaylist(SoundDevice& sound, std::vector<std::string> musicDirs)
      : sound_(sound), musicDirs_(std::move(musicDirs)) {}

  // Closes the piece playing and starts the next one (the first after a restart), passing over
  // the pieces left out. Returns the MIDI error to report (ErrorText words it), or kMidiOk: no
  // music files, no piece left and no audio device are not reported.
  int AdvancePlaylist();
  // The music stops; the next start begins the list again.
  void Stop();
  void Restart() { restart_ = 1; }
  // What to tell the player of error `code` returned by the last AdvancePlaylist: the pieces it
  // left out and why, else the sound device's text.
  std::string ErrorText(int code);

  void StartMusicSearch();
  std::string NextMusicFile();  // "" when the running search has no further match

  uint8_t& MusicRestart() { return restart_; }
  uint32_t MusicDevice() const { return device_; }
  const std::string& MusicFileName() const { return fileName_; }
  // Whether `path`, as it is now, has been left out.
  bool LeftOut(const std::string& path) const;

 private:
  // A file as it was when it failed: a file put in its place (another size or time) is tried.
  struct FileId {
    std::string path;
    long long size = -1;
    long long modified = 0;  // nanoseconds
    bool operator==(const FileId&) const = default;
  };
  static FileId Identify(const std::string& path);
  // Leaves `path` out from now on and keeps `text` for the box; the first code is reported.
  void LeaveOut(const std::string& path, int code, const std::string& text);
  void Tell(int code, const std::string& text);

  SoundDevice& sound_;
  std::vector<std::string> musicDirs_;
  uint8_t restart_ = 1;
  std::vector<std::string> files_;  // the running search: paths in listing order
  size_t next_ = 0;
  bool searching_ = false;
  uint32_t device_ = 0;
  std::string fileName_;
  std::vector<FileId> leftOut_;
  int report_ = kMidiOk;  // of the last step
  std::string told_;      // the texts of the last step
};

}  // namespace ossaric
