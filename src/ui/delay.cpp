#include "ui/yacht_window.h"

namespace ossaric {

// The pause that paces every animation. It handles no game message: the host only keeps the
// window alive while it waits. The steps of an animation keep their schedule: a pause begun
// soon after the one before ends `ms` after that one ended, not `ms` after the drawing.
// Once the program is asked to end, nothing waits: the computer stops at its next step.
void TYachtWindow::Delay(int ms) {
  if (host_.Ending()) {
    game_.StopTurn();
    return;
  }
  host_.Present();
  int32_t t0 = static_cast<int32_t>(host_.TickCount());
  if (ms <= 0) return;
  int32_t sinceLast;
  if (pauseEndSet_ && !__builtin_sub_overflow(t0, pauseEnd_, &sinceLast) && sinceLast >= 0 &&
      sinceLast < ms)
    t0 = pauseEnd_;
  int32_t end;
  if (__builtin_add_overflow(t0, ms, &end)) return;
  if (end <= t0) return;
  pauseEnd_ = end;
  pauseEndSet_ = true;
  for (int32_t now = static_cast<int32_t>(host_.TickCount()); now < end;
       now = static_cast<int32_t>(host_.TickCount())) {
    host_.PumpWhileBusy(end - now);
    if (host_.Ending()) {
      game_.StopTurn();
      return;
    }
  }
}

}  // namespace ossaric
