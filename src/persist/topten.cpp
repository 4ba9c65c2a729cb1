#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::LocateTopTenFile() {}
void TYachtWindow::LoadTopTen() {}
void TYachtWindow::SaveTopTen() {}
void TYachtWindow::AnnounceGameOver() {
  ShowTopTen(true);
}
void TYachtWindow::RankPlayers() {}
void TYachtWindow::ShowTopTen(bool) {
  TopTenShown = 1;
  DrawTopTen();
}
void TYachtWindow::TopTenCommand() {
  if (SetupShown) return;
  TotalsPlayer = PlayerCount != 0 ? 1 : 0;
  TotalsShown = 0;
  HintsShown = 0;
  ShowTopTen(false);
}
void TYachtWindow::ClearTopTen() {}
void TYachtWindow::DrawTopTen() {}

}  // namespace ossaric
