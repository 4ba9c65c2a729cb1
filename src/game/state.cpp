#include <cstring>

#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::ResetGame(bool repaint) {
  ScoreAllowed = 0;
  ComputerBusy = 0;
  NextPlayerPending = 0;
  LastCategory = 0;
  ThrowsMade = 0;
  DrawThrowDots();
  for (TScoreColumn& column : Sheet) {
    for (int k = 1; k <= kCategoryCount; ++k) column.Entry[k] = -1;
    column.Total = 0;
  }
  DiceInCup = 5;
  for (int i = 1; i <= 10; ++i) {
    ToThrow[i] = 1;
    Die[i].InCup = 1;
  }
  for (int k = 1; k <= 20; ++k) TableSlot[k].Occupied = 0;
  if (repaint) host_.Invalidate();
}

bool TYachtWindow::GameUnfinished() const {
  auto unfinished = [this](int column) {
    for (int k = 1; k <= kCategoryCount; ++k)
      if (Sheet[column].Entry[k] == -1) return true;
    return false;
  };
  if (PlayerCount == 0) return unfinished(0) || unfinished(1);
  for (int p = 1; p <= PlayerCount && p <= 4; ++p)
    if (unfinished(p)) return true;
  return false;
}

void TYachtWindow::SetDefaultNames() {
  for (int n = 1; n <= 4; ++n) {
    std::memset(PlayerName[n], 0, sizeof PlayerName[n]);
    std::memcpy(PlayerName[n], "Player ", 7);
    PlayerName[n][7] = static_cast<char>('0' + n);
  }
}

}  // namespace ossaric
