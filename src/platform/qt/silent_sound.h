// A sound device that plays nothing, for machines without an audio device of ours.
#pragma once

#include "platform/sound.h"

namespace ossaric {

class SilentSound : public SoundDevice {
 public:
  void PlayEffect(const std::string&, const std::vector<uint8_t>&, bool) override {}
  void StopEffects() override {}
  uint32_t MidiOpen(const std::string&, int& error) override {
    error = 0;
    return 1;
  }
  int MidiPlay(uint32_t) override { return 0; }
  void MidiCloseAll() override {}
  std::string MidiErrorText(int) override { return "No sound device is available."; }
};

}  // namespace ossaric
