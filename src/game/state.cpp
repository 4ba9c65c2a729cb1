#include "game/game.h"

namespace ossaric {

namespace {

// The twenty landing places on the table; none overlaps another or the cup.
constexpr int kPlaces[21][2] = {
    {0, 0},    {25, 25},   {80, 21},   {155, 29},  {220, 17},  {30, 90},   {95, 76},
    {150, 89}, {210, 87},  {20, 150},  {80, 146},  {145, 164}, {200, 147}, {20, 224},
    {95, 206}, {155, 224}, {230, 207}, {155, 285}, {210, 301}, {150, 344}, {225, 360}};

}  // namespace

TGameState::TGameState() {
  for (int k = 1; k <= 20; ++k) {
    TableSlot[k].X = kPlaces[k][0];
    TableSlot[k].Y = kPlaces[k][1];
    TableSlot[k].Occupied = 0;
  }
  for (int i = 1; i <= 10; ++i) ToThrow[i] = 1;
}

void TYachtGame::ResetGame(bool repaint) {
  ScoreAllowed = 0;
  ComputerBusy = 0;
  NextPlayerPending = 0;
  LastCategory = 0;
  ThrowsMade = 0;
  show_.DrawThrowDots();
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
  if (repaint) show_.Repaint();
}

bool TYachtGame::GameUnfinished() const {
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

}  // namespace ossaric
