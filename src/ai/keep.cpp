#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::PlayComputerTurn() {}
void TYachtWindow::ReturnUnkeptDice() {}
void TYachtWindow::KeepForAllAlike() {}
void TYachtWindow::KeepForFourAlike() {}
void TYachtWindow::KeepForLargeStraight() {}
void TYachtWindow::KeepForSmallStraight() {}
void TYachtWindow::KeepForFullHouse() {}
void TYachtWindow::KeepForThreeAlike() {}
void TYachtWindow::KeepForTwoPairs() {}
void TYachtWindow::KeepForPair() {}
void TYachtWindow::KeepForNothing() {}
void TYachtWindow::HoldOnlyFace(int) {}
void TYachtWindow::ChaseOpenNumber() {}
void TYachtWindow::TrimForLargeStraight() {}
void TYachtWindow::TrimForSmallStraight() {}
void TYachtWindow::ChaseChoice() {}

}  // namespace ossaric
