#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::DrawPips(int, int, int) {}
void TYachtWindow::DrawDieSprite(int, int, int, int) {}
void TYachtWindow::AnimateCupShake() {}
void TYachtWindow::AnimateDieFlight(int) {}
void TYachtWindow::SettleCup() {}
void TYachtWindow::AnimateDieToCup(int) {}
void TYachtWindow::DrawDieAtPlace(int) {}
void TYachtWindow::DrawTableDice() {}
void TYachtWindow::DrawThrowDots() {}
void TYachtWindow::DrawNextPlayerButton() {}

}  // namespace ossaric
