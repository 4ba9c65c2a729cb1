#include "desktop/qt/late_sound.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <filesystem>

#include "desktop/sdl/sound_module.h"

namespace ossaric {

LateSound::LateSound(std::function<void()> musicFinished)
    : musicFinished_(std::move(musicFinished)) {}

// The module stays loaded to the end: the device's threads and the libraries' own may outlive
// the device by a moment.
LateSound::~LateSound() = default;

LoadedSound LateSound::Load(const std::vector<std::string>& places,
                            std::function<void()> musicFinished, const std::string& path) {
  LoadedSound loaded;
  std::string reason = "ossaric-sound.so: not found";
  for (const std::string& dir : places) {
    const std::string file = (std::filesystem::path(dir) / kSoundModuleName).string();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) continue;
    void* module = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
      const char* why = ::dlerror();
      reason = why ? why : file;
      continue;
    }
    auto make = reinterpret_cast<MakeSoundDevice>(::dlsym(module, kMakeSoundDevice));
    if (make == nullptr) {
      reason = file + ": " + kMakeSoundDevice + " is missing";
      continue;
    }
    loaded.device.reset(make(std::move(musicFinished)));
    if (loaded.device && !path.empty()) {
      loaded.path = path;
      loaded.opened = loaded.device->MidiOpen(path, loaded.error);
    }
    if (auto ends = reinterpret_cast<EndSoundThread>(::dlsym(module, kEndSoundThread))) ends();
    return loaded;
  }
  const QString words = QCoreApplication::translate("Sound", "No audio device is available: %1");
  loaded.missing = words.arg(QString::fromStdString(reason)).toStdString();
  return loaded;
}

void LateSound::Arrive(const std::vector<std::string>& places) {
  if (!arrived_) Arrive(Load(places, musicFinished_, WaitingPath()));
}

void LateSound::Arrive(std::unique_ptr<SoundDevice> device, const std::string& missing) {
  LoadedSound loaded;
  loaded.device = std::move(device);
  loaded.missing = missing;
  Arrive(std::move(loaded));
}

std::string LateSound::WaitingPath() const {
  const auto it = waiting_.find(waitingPlay_);
  return it != waiting_.end() ? it->second : std::string();
}

void LateSound::Arrive(LoadedSound loaded) {
  if (arrived_) return;
  arrived_ = true;
  device_ = std::move(loaded.device);
  missing_ = loaded.missing;
  const uint32_t play = waitingPlay_;
  const std::string path = play != 0 ? waiting_[play] : std::string();
  waiting_.clear();
  waitingPlay_ = 0;
  // What the load opened is of use only if that piece still waits; else it is closed.
  const bool preopened = device_ && !loaded.path.empty() && play != 0 && loaded.path == path;
  if (device_ && !loaded.path.empty() && loaded.opened != 0 && !preopened) device_->MidiCloseAll();
  if (play == 0) return;
  int error = kMidiOk;
  uint32_t opened = 0;
  if (preopened) {
    error = loaded.error;
    if (loaded.opened != 0) {
      opened_[next_] = loaded.opened;
      opened = next_++;
    }
  } else {
    opened = MidiOpen(path, error);
  }
  // The piece now has the device's identifier under the one the game already holds.
  if (opened != 0) {
    opened_[play] = opened_[opened];
    opened_.erase(opened);
    error = MidiPlay(play);
    if (error == kMidiOk) return;
  }
  // Without any audio device there is nothing to hear or tell, as when the device was missing
  // from the start. A device that cannot play music says so when the next piece is opened.
  if (error == kMidiNoDevice) return;
  failed_ = play;
  failedEnd_ = error == kMidiNoSupport ? MidiEnd{} : MidiEnd{error, -1};
  if (musicFinished_) musicFinished_();
}

void LateSound::PlayEffect(const std::string& name, const std::vector<uint8_t>& wav, bool wait) {
  if (device_) device_->PlayEffect(name, wav, wait);
}

void LateSound::StopEffects() {
  if (device_) device_->StopEffects();
}

uint32_t LateSound::MidiOpen(const std::string& path, int& error) {
  error = kMidiOk;
  if (!arrived_) {
    waiting_[next_] = path;
    return next_++;
  }
  if (!device_) {
    error = kMidiNoSupport;
    return 0;
  }
  const uint32_t opened = device_->MidiOpen(path, error);
  if (opened == 0) return 0;
  opened_[next_] = opened;
  return next_++;
}

int LateSound::MidiPlay(uint32_t device) {
  if (!arrived_) {
    if (!waiting_.count(device)) return kMidiBadDevice;
    waitingPlay_ = device;
    return kMidiOk;
  }
  const auto it = opened_.find(device);
  if (!device_ || it == opened_.end()) return kMidiBadDevice;
  return device_->MidiPlay(it->second);
}

void LateSound::MidiCloseAll() {
  waiting_.clear();
  waitingPlay_ = 0;
  opened_.clear();
  failed_ = 0;
  if (device_) device_->MidiCloseAll();
}

MidiEnd LateSound::MidiEnded(uint32_t device) {
  if (device != 0 && device == failed_) return failedEnd_;
  const auto it = opened_.find(device);
  return device_ && it != opened_.end() ? device_->MidiEnded(it->second) : MidiEnd{};
}

std::string LateSound::MidiErrorText(int error) {
  if (device_) return device_->MidiErrorText(error);
  if (!missing_.empty()) return missing_;
  return QCoreApplication::translate("Sound", "No audio device is available.").toStdString();
}

std::vector<std::string> SoundModulePlaces(const std::string& programDir,
                                           const std::string& fromBin) {
  std::vector<std::string> places{programDir};
  if (!fromBin.empty())
    places.push_back((std::filesystem::path(programDir) / fromBin).lexically_normal().string());
  return places;
}

}  // namespace ossaric
