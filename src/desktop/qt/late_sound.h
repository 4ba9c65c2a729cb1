// The game's sound device before and after the real one has come. The real device lives in a
// module that is loaded once the first frame is on the screen (see desktop/sdl/sound_module.h);
// until then an effect is not heard and a piece asked to play waits, and is started when the
// device comes. A waiting piece that then cannot start is reported through the end notice, as
// one failing while it plays. Without the module the game plays silently, and the music tells
// why once, as a device that cannot play music does.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound.h"

namespace ossaric {

// What loading the sound module gave: the device, or none and why; and the piece that waited
// when the load began, opened on the new device as part of the load.
struct LoadedSound {
  std::unique_ptr<SoundDevice> device;
  std::string missing;  // why there is no device
  std::string path;     // the piece opened while loading, "" for none
  uint32_t opened = 0;  // its identifier on the device; 0 when it failed to open, with `error`
  int error = kMidiOk;
};

class LateSound : public SoundDevice {
 public:
  // `musicFinished` posts the end notice to the window (it may be called from the audio thread).
  explicit LateSound(std::function<void()> musicFinished);
  ~LateSound() override;

  // Loads the module from the first of `places` (directories) that holds it and makes the real
  // device, and opens `path` on it unless empty; or says why there is none. Touches no
  // LateSound, so it may run on any thread: reading the soundfont takes a while. What the
  // audio libraries keep for the calling thread is freed before it returns.
  static LoadedSound Load(const std::vector<std::string>& places,
                          std::function<void()> musicFinished, const std::string& path);
  // Takes the device (none: silent, `missing` saying why). Once only; then starts the waiting
  // piece, with what the load opened when it is that piece.
  void Arrive(LoadedSound loaded);
  // The same, loading on this thread.
  void Arrive(const std::vector<std::string>& places);
  void Arrive(std::unique_ptr<SoundDevice> device, const std::string& missing);
  bool Arrived() const { return arrived_; }
  // The piece asked to play before the device came, "" for none; and the end notice's callback.
  std::string WaitingPath() const;
  const std::function<void()>& MusicFinished() const { return musicFinished_; }

  void PlayEffect(const std::string& name, const std::vector<uint8_t>& wav, bool wait) override;
  void StopEffects() override;
  uint32_t MidiOpen(const std::string& path, int& error) override;
  int MidiPlay(uint32_t device) override;
  void MidiCloseAll() override;
  MidiEnd MidiEnded(uint32_t device) override;
  std::string MidiErrorText(int error) override;

 private:
  std::function<void()> musicFinished_;
  std::unique_ptr<SoundDevice> device_;
  bool arrived_ = false;
  std::string missing_;                      // why there is no device, once arrived without one
  std::map<uint32_t, std::string> waiting_;  // pieces opened before the device came
  uint32_t waitingPlay_ = 0;                 // the one of them asked to play
  std::map<uint32_t, uint32_t> opened_;      // our identifiers, the device's
  uint32_t next_ = 1;
  uint32_t failed_ = 0;  // a waiting piece that could not start, and why
  MidiEnd failedEnd_;
};

// The directories the sound module is looked for in: beside the program, then the program's own
// library directory of an install (`fromBin`, relative to the program's directory).
std::vector<std::string> SoundModulePlaces(const std::string& programDir,
                                           const std::string& fromBin);

}  // namespace ossaric
