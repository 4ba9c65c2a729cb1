#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::DrawRollsRow() {}
void TYachtWindow::DrawPlayersRow() {}
void TYachtWindow::DrawPlayerNames() {}
void TYachtWindow::DrawHintsBox(bool) {}
void TYachtWindow::AnimateChoiceDot(int, int, int) {}
void TYachtWindow::BlinkNameCaret() {}

}  // namespace ossaric

namespace ossaric {

void TYachtWindow::ShowSetupScreen() {
  SetupShown = 1;
}

}  // namespace ossaric
