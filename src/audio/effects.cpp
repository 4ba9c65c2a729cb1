// The seven sound effects: read into memory once at start, played from there.
#include "audio/effects.h"

#include <algorithm>

#include "audio/wav_image.h"
#include "files/file_store.h"
#include "platform/game_places.h"

namespace ossaric {

namespace {

#define OSSARIC_EFFECT_FILE(id, file, bytes) file,
#define OSSARIC_EFFECT_BYTES(id, file, bytes) bytes,
constexpr const char* kEffectFiles[kEffectCount] = {OSSARIC_EFFECTS(OSSARIC_EFFECT_FILE)};
constexpr size_t kEffectBytes[kEffectCount] = {OSSARIC_EFFECTS(OSSARIC_EFFECT_BYTES)};
#undef OSSARIC_EFFECT_FILE
#undef OSSARIC_EFFECT_BYTES

}  // namespace

const char* TEffects::EffectFileName(int e) {
  return e >= 0 && e < kEffectCount ? kEffectFiles[e] : "";
}

size_t TEffects::EffectBufferBytes(int e) {
  return e >= 0 && e < kEffectCount ? kEffectBytes[e] : 0;
}

void TEffects::LoadEffects(const std::string& dir) {
  for (int e = 0; e < kEffectCount; ++e) {
    // Each file is read from its beginning into a block of its fixed size. What the file does
    // not fill stays zero and is never played: only an image whose sample data lies wholly
    // within the bytes actually read counts as playable. Anything but a regular file (a FIFO,
    // a device) counts as missing and is never waited on.
    std::vector<uint8_t>& buffer = buffer_[e];
    std::vector<uint8_t> bytes;
    ReadFilePrefix(PlaceFile(dir, kEffectFiles[e]), kEffectBytes[e], bytes);
    buffer.assign(kEffectBytes[e], 0);
    std::copy(bytes.begin(), bytes.end(), buffer.begin());
    const size_t got = bytes.size();
    WavInfo info;
    playable_[e] = got > 0 && ParseWavImage(buffer.data(), got, info);
  }
}

void TEffects::PlayEffect(Effect e, bool wait) {
  if (e < 0 || e >= kEffectCount) return;
  // An unplayable image only cuts off the effect playing: nothing is heard, never garbage.
  static const std::vector<uint8_t> kSilence;
  sound_.PlayEffect(kEffectFiles[e], playable_[e] ? buffer_[e] : kSilence, wait);
}

void TEffects::StopEffects() {
  sound_.StopEffects();
}

void TEffects::ReleaseEffects() {
  for (int e = 0; e < kEffectCount; ++e) {
    buffer_[e] = {};
    playable_[e] = false;
  }
}

}  // namespace ossaric
