#include "desktop/sdl/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>
#include <malloc.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "files/file_store.h"
#include "platform/words.h"

namespace ossaric {

std::atomic<SdlSound*> SdlSound::instance_{nullptr};

namespace {

// A sound error in the player's language, with up to two texts put in (file names, the
// library's own words).
std::string Words(const char* text, const std::string& a = {}, const std::string& b = {}) {
  QString words = QCoreApplication::translate("Sound", text);
  if (words.contains(QLatin1String("%2")))
    words = words.arg(QString::fromStdString(a), QString::fromStdString(b));
  else if (words.contains(QLatin1String("%1")))
    words = words.arg(QString::fromStdString(a));
  return words.toStdString();
}

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

// The mixer reads the piece from the descriptor that was checked, and closes it; null when the
// piece cannot be read.
Mix_Music* LoadMidi(int fd) {
  std::FILE* stream = ::fdopen(fd, "rb");
  if (stream == nullptr) {
    ::close(fd);
    return nullptr;
  }
  SDL_RWops* rw = SDL_RWFromFP(stream, SDL_TRUE);
  if (rw == nullptr) {
    std::fclose(stream);
    return nullptr;
  }
  return Mix_LoadMUS_RW(rw, 1);
}

// The synthesiser reads the whole soundfont into memory for every piece. Two things keep that
// from costing more than the soundfont itself: its parallel loader would keep a pool of
// threads for nothing (one piece plays at a time), and after the first large block the C
// library would keep every later one on the heap once freed, so the previous piece's copy
// would stay resident beside the next. Large blocks are always given back instead.
void KeepSynthesiserSmall() {
  using SetThreads = void (*)(int);
  if (auto set = reinterpret_cast<SetThreads>(dlsym(RTLD_DEFAULT, "omp_set_num_threads"))) set(1);
  mallopt(M_MMAP_THRESHOLD, 256 * 1024);
}

}  // namespace

}  // namespace ossaric

// The mixer makes a fresh synthesiser for every piece and gives no say in its settings. By
// default the synthesiser reads every sample of the soundfont into memory, although a piece
// uses a handful of instruments; told to, it reads only the samples of the instruments a piece
// selects. The mixer calls the synthesiser's settings constructor through the dynamic linker,
// so this definition in the program is the one it finds: it calls the library's own and adds
// that one setting. Should the library be missing the setting, or the mixer find the
// constructor some other way, everything works as before, only larger.
extern "C" __attribute__((visibility("default"))) void* new_fluid_settings() {
  using NewSettings = void* (*)();
  using SetInt = int (*)(void*, const char*, int);
  static const auto next = reinterpret_cast<NewSettings>(dlsym(RTLD_NEXT, "new_fluid_settings"));
  static const auto setInt = reinterpret_cast<SetInt>(dlsym(RTLD_DEFAULT, "fluid_settings_setint"));
  if (next == nullptr) return nullptr;
  void* settings = next();
  if (settings != nullptr && setInt != nullptr) setInt(settings, "synth.dynamic-sample-loading", 1);
  return settings;
}

namespace ossaric {

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
    SetError(kMidiNoDevice,
             Words(QT_TRANSLATE_NOOP("Sound", "The sound device is already in use.")));
    return;
  }
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    SetError(kMidiNoDevice,
             Words(QT_TRANSLATE_NOOP("Sound", "No audio device is available: %1"), SDL_GetError()));
    return;
  }
  subsystemUp_ = true;
  KeepSynthesiserSmall();
  if (!soundFont_.empty()) Mix_SetSoundFonts(soundFont_.c_str());
  Mix_Init(MIX_INIT_MID);
  if (!OpenDevice()) return;
  audioOpen_ = true;
  ArmQuietClose();
  closer_ = std::thread([this] { CloseWhenQuiet(); });
}

SdlSound::~SdlSound() {
  if (closer_.joinable()) {
    {
      std::lock_guard<std::recursive_mutex> lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    closer_.join();
  }
  if (audioOpen_) {
    MidiCloseAll();
    CloseDevice();
  }
  if (subsystemUp_) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  SdlSound* self = this;
  instance_.compare_exchange_strong(self, nullptr);
}

bool SdlSound::OpenDevice() {
  // The mixer does not tell which device it opened: it is the one that starts playing.
  std::vector<SDL_AudioDeviceID> stopped;
  for (SDL_AudioDeviceID id = 2; id <= 32; ++id)
    if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_STOPPED) stopped.push_back(id);
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    SetError(kMidiNoDevice,
             Words(QT_TRANSLATE_NOOP("Sound", "No audio device is available: %1"), Mix_GetError()));
    return false;
  }
  deviceUp_ = true;
  deviceId_ = 0;
  for (SDL_AudioDeviceID id : stopped) {
    if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING) {
      deviceId_ = id;
      break;
    }
  }
  int channels = 0;
  Uint16 format = 0;
  Mix_QuerySpec(&mixFrequency_, &format, &channels);
  mixFrameBytes_ = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * channels;
  Mix_AllocateChannels(1);
  Mix_HookMusicFinished(&SdlSound::OnMusicFinished);
  Mix_ChannelFinished(&SdlSound::OnChannelFinished);
  PauseIfSilent();
  return true;
}

bool SdlSound::EnsureDeviceOpen() {
  if (!audioOpen_) return false;
  if (deviceUp_) return true;
  if (OpenDevice()) return true;
  audioOpen_ = false;  // from now on as on a machine without sound
  return false;
}

void SdlSound::CloseDevice() {
  if (!deviceUp_) return;
  Mix_HookMusicFinished(nullptr);
  Mix_ChannelFinished(nullptr);
  Mix_HaltChannel(-1);
  if (chunk_) Mix_FreeChunk(chunk_);
  chunk_ = nullptr;
  Mix_CloseAudio();
  deviceUp_ = false;
  deviceId_ = 0;
}

bool SdlSound::DeviceOpen() {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  return deviceUp_;
}

void SdlSound::CloseWhenQuietFor(std::chrono::milliseconds quiet) {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  quietClose_ = quiet;
  ArmQuietClose();
}

void SdlSound::ArmQuietClose() {
  if (!deviceUp_) return;
  closeAt_ = std::chrono::steady_clock::now() + quietClose_;
  wake_.notify_all();
}

// The closer thread sleeps until a close is planned and then until its time; it never wakes
// while nothing is planned.
void SdlSound::CloseWhenQuiet() {
  std::unique_lock<std::recursive_mutex> lock(mutex_);
  while (!stop_) {
    if (closeAt_ == std::chrono::steady_clock::time_point{}) {
      wake_.wait(lock);
      continue;
    }
    wake_.wait_until(lock, closeAt_);
    const auto now = std::chrono::steady_clock::now();
    if (stop_ || closeAt_ == std::chrono::steady_clock::time_point{} || now < closeAt_) continue;
    closeAt_ = {};
    // An open piece keeps the device: the music may go on with the next one at any time.
    if (!deviceUp_ || !pieces_.empty()) continue;
    if (Mix_Playing(-1) > 0 || Mix_PlayingMusic()) {
      closeAt_ = now + quietClose_;  // a long effect: look again later
      continue;
    }
    CloseDevice();
  }
}

void SdlSound::OnMusicFinished() {
  // Runs on the audio thread (natural end) or inside our own halt, with the mixer locked.
  SdlSound* sound = instance_.load();
  if (sound == nullptr) return;
  sound->PauseIfSilent();
  if (sound->quiet_.load()) return;
  const uint64_t played = SDL_GetTicks64() - sound->playingSince_.load();
  sound->endedAfterMs_ = static_cast<int>(std::min<uint64_t>(played, 1u << 30));
  sound->ended_ = sound->playing_.load();
  if (sound->musicFinished_) sound->musicFinished_();
}

void SdlSound::OnChannelFinished(int) {
  // Same threads and lock as above; the device's lock may be taken again from here.
  if (SdlSound* sound = instance_.load()) sound->PauseIfSilent();
}

void SdlSound::Resume() {
  if (deviceId_ != 0) SDL_PauseAudioDevice(deviceId_, 0);
}

void SdlSound::PauseIfSilent() {
  if (deviceId_ == 0 || Mix_Playing(-1) > 0 || Mix_PlayingMusic()) return;
  SDL_PauseAudioDevice(deviceId_, 1);
}

void SdlSound::SetError(int code, const std::string& text) {
  errorText_[code] = text;
}

void SdlSound::PlayEffect(const std::string&, const std::vector<uint8_t>& wav, bool wait) {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  if (!audioOpen_) return;
  if (deviceUp_) Mix_HaltChannel(kEffectChannel);
  if (chunk_) Mix_FreeChunk(chunk_);
  chunk_ = nullptr;
  ArmQuietClose();
  if (wav.empty() || wav.size() > (1u << 24)) return;
  if (!EnsureDeviceOpen()) return;
  SDL_RWops* rw = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
  if (!rw) return;
  chunk_ = Mix_LoadWAV_RW(rw, 1);
  if (!chunk_) return;
  Resume();
  if (Mix_PlayChannel(kEffectChannel, chunk_, 0) < 0) {
    PauseIfSilent();
    return;
  }
  ArmQuietClose();
  if (!wait) return;
  // Wait for the end, but never longer than the effect's own length and some slack.
  uint64_t lengthMs = 0;
  if (mixFrequency_ > 0 && mixFrameBytes_ > 0)
    lengthMs = uint64_t{chunk_->alen} * 1000 / (uint64_t(mixFrequency_) * mixFrameBytes_);
  const uint64_t deadline = SDL_GetTicks64() + lengthMs + kWaitSlackMs;
  while (Mix_Playing(kEffectChannel) && SDL_GetTicks64() < deadline) SDL_Delay(5);
}

void SdlSound::StopEffects() {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  if (!deviceUp_) return;
  Mix_HaltChannel(kEffectChannel);
  PauseIfSilent();
  ArmQuietClose();
}

uint32_t SdlSound::MidiOpen(const std::string& path, int& error) {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  error = kMidiOk;
  if (!EnsureDeviceOpen()) {
    error = kMidiNoDevice;
    if (!errorText_.count(kMidiNoDevice))
      SetError(kMidiNoDevice, Words(QT_TRANSLATE_NOOP("Sound", "No audio device is available.")));
    return 0;
  }
  ArmQuietClose();  // a piece that fails to open keeps the device no longer than an effect
  if (soundFont_.empty()) {
    error = kMidiNoSupport;
    SetError(kMidiNoSupport,
             Words(QT_TRANSLATE_NOOP("Sound",
                                     "Music cannot be played: no General MIDI soundfont was "
                                     "found. Install the timgm6mb-soundfont package to hear it.")));
    return 0;
  }
  // Only a regular file is opened (never a FIFO or a device, which could block), and the
  // mixer reads the very file that was checked.
  const int fd = OpenRegularFile(path);
  if (fd < 0) {
    error = kMidiCannotOpen;
    SetError(kMidiCannotOpen,
             Words(QT_TRANSLATE_NOOP("Sound", "The music file \"%1\" cannot be found."), path));
    return 0;
  }
  if (!LooksLikeMidi(fd)) {
    ::close(fd);
    error = kMidiCannotOpen;
    SetError(kMidiCannotOpen,
             Words(QT_TRANSLATE_NOOP("Sound", "The music file \"%1\" is not a MIDI file."), path));
    return 0;
  }
  // Reading a piece reads the whole soundfont.
  Mix_Music* music = LoadMidi(fd);
  malloc_trim(0);
  if (!music) {
    error = kMidiCannotOpen;
    SetError(kMidiCannotOpen,
             Words(QT_TRANSLATE_NOOP("Sound", "The music file \"%1\" cannot be played: %2"), path,
                   Mix_GetError()));
    return 0;
  }
  uint32_t device = nextDevice_++;
  if (device == 0) device = nextDevice_++;
  pieces_[device] = music;
  return device;
}

int SdlSound::MidiPlay(uint32_t device) {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  auto it = pieces_.find(device);
  if (!audioOpen_ || it == pieces_.end() || !EnsureDeviceOpen()) {
    SetError(kMidiBadDevice,
             Words(QT_TRANSLATE_NOOP("Sound", "No music piece is open on this device.")));
    return kMidiBadDevice;
  }
  // Starting a piece may halt one still playing: that is our doing and posts no notice.
  playing_ = device;
  playingSince_ = SDL_GetTicks64();
  quiet_ = true;
  const int rc = Mix_PlayMusic(it->second, 0);
  quiet_ = false;
  Resume();
  if (rc != 0) {
    PauseIfSilent();
    SetError(kMidiCannotPlay,
             Words(QT_TRANSLATE_NOOP("Sound", "The music cannot start: %1"), Mix_GetError()));
    return kMidiCannotPlay;
  }
  return kMidiOk;
}

void SdlSound::MidiCloseAll() {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  if (!deviceUp_) return;  // pieces are only open on an open device
  quiet_ = true;
  Mix_HaltMusic();
  quiet_ = false;
  for (auto& [device, music] : pieces_)
    if (music) Mix_FreeMusic(music);
  pieces_.clear();
  PauseIfSilent();
  ArmQuietClose();
}

MidiEnd SdlSound::MidiEnded(uint32_t device) {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  if (device != 0 && device == ended_.load()) return {kMidiOk, endedAfterMs_.load()};
  return {};
}

std::string SdlSound::MidiErrorText(int error) {
  std::lock_guard<std::recursive_mutex> lock(mutex_);
  auto it = errorText_.find(error);
  if (it != errorText_.end()) return it->second;
  switch (error) {
    case kMidiOk:
      return Words(QT_TRANSLATE_NOOP("Sound", "The music device reported no error."));
    case kMidiNoDevice:
      return Words(QT_TRANSLATE_NOOP("Sound", "No audio device is available."));
    case kMidiNoSupport:
      return Words(QT_TRANSLATE_NOOP("Sound", "Music cannot be played on this system."));
    case kMidiCannotOpen:
      return Words(QT_TRANSLATE_NOOP("Sound", "The music file cannot be opened."));
    case kMidiCannotPlay:
      return Words(QT_TRANSLATE_NOOP("Sound", "The music cannot start."));
    case kMidiEndedAtOnce:
      return Words(QT_TRANSLATE_NOOP("Sound", "A music piece stopped as soon as it began."));
    default:
      return Words(QT_TRANSLATE_NOOP("Sound", "Unknown music device error %1."),
                   std::to_string(error));
  }
}

}  // namespace ossaric
