#include "ui/yacht_window.h"

namespace ossaric {

// The pause that paces every animation. It handles no game message: the host only keeps the
// window alive while it waits.
void TYachtWindow::Delay(int ms) {
  host_.Present();
  const int32_t t0 = static_cast<int32_t>(host_.TickCount());
  if (ms <= 0) return;
  int32_t end;
  if (__builtin_add_overflow(t0, ms, &end)) return;
  if (end <= t0) return;
  for (int32_t now = static_cast<int32_t>(host_.TickCount()); now < end;
       now = static_cast<int32_t>(host_.TickCount()))
    host_.PumpWhileBusy(end - now);
}

}  // namespace ossaric
