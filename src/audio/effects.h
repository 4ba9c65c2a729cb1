// The seven sound effects: read into memory once at start, played from there on the sound
// device.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/effect_list.h"
#include "platform/sound.h"

namespace ossaric {

// The seven sound effects, in the order they are loaded.
#define OSSARIC_EFFECT_ID(id, file, bytes) k##id,
enum Effect { OSSARIC_EFFECTS(OSSARIC_EFFECT_ID) kEffectCount };
#undef OSSARIC_EFFECT_ID

class TEffects {
 public:
  explicit TEffects(SoundDevice& sound) : sound_(sound) {}

  static const char* EffectFileName(int e);  // "" outside 0..6
  static size_t EffectBufferBytes(int e);    // 0 outside 0..6

  // Reads every effect file of directory `dir` ("" : the current one) into its buffer.
  void LoadEffects(const std::string& dir);
  void PlayEffect(Effect e, bool wait);
  void StopEffects();
  void ReleaseEffects();

  const std::vector<uint8_t>& EffectBuffer(int e) const { return buffer_.at(e); }
  bool EffectPlayable(int e) const { return playable_.at(e); }  // a sound RIFF WAVE image was read

 private:
  SoundDevice& sound_;
  std::array<std::vector<uint8_t>, kEffectCount> buffer_;
  std::array<bool, kEffectCount> playable_{};
};

}  // namespace ossaric
