#include "ui/yacht_window.h"

namespace ossaric {

bool TYachtWindow::ReadSettings() {
  return false;
}
void TYachtWindow::WriteSettings() {}

// How the program opens: on the setup screen the first time, else on the tips panel or, with
// tips switched off, straight on a game.
void TYachtWindow::ChooseOpening() {
  if (!ReadSettings()) {
    PlayerCount = 1;
    HintIndex = 0;
    SetupShown = 1;
    return;
  }
  SetupShown = 0;
  if (HintIndex < 0) {
    ResetGame(false);
    GameActive = 1;
  } else {
    HintsShown = 1;
  }
}

}  // namespace ossaric
