#include "platform/sdl/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "persist/file_store.h"

namespace ossaric {

std::atomic<SdlSound*> SdlSound::instance_{nullptr};

namespace {

constexpr int kEffectChannel = 0;
// How much longer than its own length a waited-for effect may take before the wait gives up
// (a stalled or missing device must never freeze the window).
constexpr uint64_t kWaitSlackMs = 250;

bool IsReadableFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

// A standard MIDI file starts "MThd"; a RIFF MIDI file is "RIFF....RMID".
bool LooksLikeMidi(int fd) {
  char head[12] = {};
  const ssize_t got = ::pread(fd, head, sizeof head, 0);
  if (got >= 4 && std::memcmp(head, "MThd", 4) == 0) return true;
  return got == 12 && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "RMID", 4) == 0;
}

}  // namespace

std::vector<std::string> SdlSound::SoundFontPlaces() {
  return {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
          "/usr/share/soundfonts/default.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2"};
}

SdlSound::SdlSound(std::function<void()> musicFinished, std::string soundFont)
    : musicFinished_(std::move(musicFinished)) {
  if (soundFont.empty()) {
    for (const std::string& place : SoundFontPlaces()) {
      if (IsReadableFile(place)) {
        soundFont = place;
        break;
      }
    }
  }
  if (!soundFont.empty() && IsReadableFile(soundFont)) soundFont_ = soundFont;

  // The mixer is one per process; a second device stays silent.
  SdlSound* expected = nullptr;
  if (!instance_.compare_exchange_strong(expected, this)) {
    SetError(kMidiNoDevice, "The sound device is already in use.");
    return;
  }
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    SetError(kMidiNoDevice, std::string("No audio device is available: ") + SDL_GetError());
    return;
  }
  subsystemUp_ = true;
  if (!soundFont_.empty()) Mix_SetSoundFonts(soundFont_.c_str());
  Mix_Init(MIX_INIT_MID);
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    SetError(kMidiNoDevice, std::string("No audio device is available: ") + Mix_GetError());
    return;
  }
  audioOpen_ = true;
  int channels = 0;
  Uint16 format = 0;
  Mix_QuerySpec(&mixFrequency_, &format, &channels);
  mixFrameBytes_ = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * channels;
  Mix_AllocateChannels(1);
  Mix_HookMusicFinished(&SdlSound::OnMusicFinished);
}

SdlSound::~SdlSound() {
  if (audioOpen_) {
    Mix_HookMusicFinished(nullptr);
    Mix_HaltChannel(-1);
    if (chunk_) Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
    MidiCloseAll();
    Mix_CloseAudio();
  }
  if (subsystemUp_) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  SdlSound* self = this;
  instance_.compare_exchange_strong(self, nullptr);
}

void SdlSound::OnMusicFinished() {
  // Runs on the audio thread (natural end) or inside our own halt, with the mixer locked.
  SdlSound* sound = instance_.load();
  if (sound && !sound->quiet_.load() && sound->musicFinished_) sound->musicFinished_();
}

void SdlSound::SetError(int code, const std::string& text) {
  errorText_[code] = text;
}

void SdlSound::PlayEffect(const std::string&, const std::vector<uint8_t>& wav, bool wait) {
  if (!audioOpen_) return;
  Mix_HaltChannel(kEffectChannel);
  if (chunk_) Mix_FreeChunk(chunk_);
  chunk_ = nullptr;
  if (wav.empty() || wav.size() > (1u << 24)) return;
  SDL_RWops* rw = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
  if (!rw) return;
  chunk_ = Mix_LoadWAV_RW(rw, 1);
  if (!chunk_) return;
  if (Mix_PlayChannel(kEffectChannel, chunk_, 0) < 0 || !wait) return;
  // Wait for the end, but never longer than the effect's own length and some slack.
  uint64_t lengthMs = 0;
  if (mixFrequency_ > 0 && mixFrameBytes_ > 0)
    lengthMs = uint64_t{chunk_->alen} * 1000 / (uint64_t(mixFrequency_) * mixFrameBytes_);
  const uint64_t deadline = SDL_GetTicks64() + lengthMs + kWaitSlackMs;
  while (Mix_Playing(kEffectChannel) && SDL_GetTicks64() < deadline) SDL_Delay(5);
}

void SdlSound::StopEffects() {
  if (audioOpen_) Mix_HaltChannel(kEffectChannel);
}

uint32_t SdlSound::MidiOpen(const std::string& path, int& error) {
  error = kMidiOk;
  if (!audioOpen_) {
    error = kMidiNoDevice;
    if (!errorText_.count(kMidiNoDevice)) SetError(kMidiNoDevice, "No audio device is available.");
    return 0;
  }
  if (soundFont_.empty()) {
    error = kMidiNoSupport;
    SetError(kMidiNoSupport,
             "Music cannot be played: no General MIDI soundfont was found. Install the "
             "timgm6mb-soundfont package to hear it.");
    return 0;
  }
  // Only a regular file is opened (never a FIFO or a device, which could block), and the
  // mixer reads the very file that was checked.
  const int fd = OpenRegularFile(path);
  if (fd < 0) {
    error = kMidiCannotOpen;
    SetError(kMidiCannotOpen, "The music file \"" + path + "\" cannot be found.");
    return 0;
  }
  if (!LooksLikeMidi(fd)) {
    ::close(fd);
    error = kMidiCannotOpen;
    SetError(kMidiCannotOpen, "The music file \"" + path + "\" is not a MIDI file.");
    return 0;
  }
  std::FILE* stream = ::fdopen(fd, "rb");
  if (stream == nullptr) ::close(fd);
  SDL_RWops* rw = stream != nullptr ? SDL_RWFromFP(stream, SDL_TRUE) : nullptr;
  if (rw == nullptr && stream != nullptr) std::fclose(stream);
  Mix_Music* music = rw != nullptr ? Mix_LoadMUS_RW(rw, 1) : nullptr;
  if (!music) {
    error = kMidiCannotOpen;
    SetError(kMidiCannotOpen,
             "The music file \"" + path + "\" cannot be played: " + Mix_GetError());
    return 0;
  }
  uint32_t device = nextDevice_++;
  if (device == 0) device = nextDevice_++;
  pieces_[device] = music;
  return device;
}

int SdlSound::MidiPlay(uint32_t device) {
  auto it = pieces_.find(device);
  if (!audioOpen_ || it == pieces_.end()) {
    SetError(kMidiBadDevice, "No music piece is open on this device.");
    return kMidiBadDevice;
  }
  // Starting a piece may halt one still playing: that is our doing and posts no notice.
  quiet_ = true;
  const int rc = Mix_PlayMusic(it->second, 0);
  quiet_ = false;
  if (rc != 0) {
    SetError(kMidiCannotPlay, std::string("The music cannot start: ") + Mix_GetError());
    return kMidiCannotPlay;
  }
  return kMidiOk;
}

void SdlSound::MidiCloseAll() {
  if (!audioOpen_) return;
  quiet_ = true;
  Mix_HaltMusic();
  quiet_ = false;
  for (auto& [device, music] : pieces_) Mix_FreeMusic(music);
  pieces_.clear();
}

std::string SdlSound::MidiErrorText(int error) {
  auto it = errorText_.find(error);
  if (it != errorText_.end()) return it->second;
  switch (error) {
    case kMidiOk:
      return "The music device reported no error.";
    case kMidiNoDevice:
      return "No audio device is available.";
    case kMidiNoSupport:
      return "Music cannot be played on this system.";
    case kMidiCannotOpen:
      return "The music file cannot be opened.";
    case kMidiCannotPlay:
      return "The music cannot start.";
    default:
      return "Unknown music device error " + std::to_string(error) + ".";
  }
}

}  // namespace ossaric
