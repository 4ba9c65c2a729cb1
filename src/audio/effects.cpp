#include "ui/yacht_window.h"

namespace ossaric {

namespace {
constexpr const char* kEffectFiles[kEffectCount] = {"moredice.wav", "rattle2.wav", "rattle1.wav",
                                                    "pen.wav",      "dicecup.wav", "manydice.wav",
                                                    "onedice.wav"};
}  // namespace

void TYachtWindow::LoadEffects() {}

void TYachtWindow::PlayEffect(Effect e, bool wait) {
  if (e < 0 || e >= kEffectCount) return;
  sound_.PlayEffect(kEffectFiles[e], EffectBuffer[e], wait);
}

void TYachtWindow::StopEffects() {
  sound_.StopEffects();
}
void TYachtWindow::ReleaseEffects() {}

}  // namespace ossaric
