// The real sound device: effects and MIDI music through SDL2_mixer on SDL's audio subsystem
// alone. MIDI is synthesised by the mixer's FluidSynth backend with a General MIDI soundfont.
// Without an audio device, a soundfont or MIDI support the game stays silent and keeps
// playing: effects do nothing, and opening a piece fails with a clear text.
// The device mixes only while an effect or a piece plays; once nothing has played and no piece
// has been open for a short while it is closed, and the next effect or piece opens it again.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/sound.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace ossaric {

class SdlSound : public SoundDevice {
 public:
  // `musicFinished` is called (from SDL's audio thread) whenever a piece stops by itself; the
  // host must hand it over to the window thread as a message. `soundFont` names the General
  // MIDI soundfont; empty means the first one found of the usual system places.
  explicit SdlSound(std::function<void()> musicFinished, std::string soundFont = {});
  ~SdlSound() override;
  SdlSound(const SdlSound&) = delete;
  SdlSound& operator=(const SdlSound&) = delete;

  void PlayEffect(const std::string& name, const std::vector<uint8_t>& wav, bool wait) override;
  void StopEffects() override;
  uint32_t MidiOpen(const std::string& path, int& error) override;
  int MidiPlay(uint32_t device) override;
  void MidiCloseAll() override;
  MidiEnd MidiEnded(uint32_t device) override;
  std::string MidiErrorText(int error) override;

  // True when there is an audio device (false: everything is silent). It may be closed for the
  // moment while all is quiet (see DeviceOpen).
  bool HasAudio() const { return audioOpen_; }
  // True while the device is open right now.
  bool DeviceOpen();
  // How long everything must have been quiet before the device is closed.
  void CloseWhenQuietFor(std::chrono::milliseconds quiet);
  // The soundfont in use, empty when none was found.
  const std::string& SoundFont() const { return soundFont_; }
  // The system places searched for a soundfont, best first.
  static std::vector<std::string> SoundFontPlaces();

 private:
  static void OnMusicFinished();
  static void OnChannelFinished(int channel);
  void SetError(int code, const std::string& text);
  // The device mixes only while an effect or a piece plays.
  void Resume();
  void PauseIfSilent();
  // Opens the mixer's device, or opens it again after a quiet spell; false (with the error
  // text set) when it cannot. A device that cannot be opened again leaves the game silent.
  bool OpenDevice();
  bool EnsureDeviceOpen();
  void CloseDevice();
  // From now on the device is closed once quiet for a while, unless something plays again.
  void ArmQuietClose();
  void CloseWhenQuiet();

  std::function<void()> musicFinished_;
  std::string soundFont_;
  bool subsystemUp_ = false;
  bool audioOpen_ = false;
  bool deviceUp_ = false;  // the mixer's device is open now
  int mixFrequency_ = 0;
  int mixFrameBytes_ = 0;
  Mix_Chunk* chunk_ = nullptr;
  std::atomic<uint32_t> deviceId_{0};  // SDL's identifier of the mixer's device, 0: unknown
  std::map<uint32_t, _Mix_Music*> pieces_;
  uint32_t nextDevice_ = 1;
  std::map<int, std::string> errorText_;
  std::atomic<bool> quiet_{false};  // our own halt of a piece posts no notice
  // How the last piece ended, for MidiEnded: the piece the mixer plays and since when (SDL
  // ticks), set before it starts; the piece that stopped by itself and after how long, set on
  // the audio thread.
  std::atomic<uint32_t> playing_{0};
  std::atomic<uint64_t> playingSince_{0};
  std::atomic<uint32_t> ended_{0};
  std::atomic<int> endedAfterMs_{-1};

  // Every public call holds `mutex_`; the closer thread takes it to close the device.
  std::recursive_mutex mutex_;
  std::condition_variable_any wake_;
  std::chrono::milliseconds quietClose_{1500};
  std::chrono::steady_clock::time_point closeAt_{};  // {}: no close planned
  bool stop_ = false;
  std::thread closer_;

  static std::atomic<SdlSound*> instance_;
};

}  // namespace ossaric
