#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::ChooseComputerCategory() {}
void TYachtWindow::ChooseForAllAlike() {}
void TYachtWindow::ChooseForFourAlike() {}
void TYachtWindow::ChooseForLargeStraight() {}
void TYachtWindow::ChooseForSmallStraight() {}
void TYachtWindow::ChooseForFullHouse() {}
void TYachtWindow::ChooseForThreeAlike() {}
void TYachtWindow::ChooseForTwoPairs() {}
void TYachtWindow::ChooseForPair() {}
void TYachtWindow::ChooseForNothing() {}

}  // namespace ossaric
