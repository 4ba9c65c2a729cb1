#include <algorithm>

#include "game/game.h"
#include "game/geometry.h"
#include "game/scoring.h"

namespace ossaric {

namespace {

// The twenty landing places on the table; none overlaps another or the cup.
constexpr int kPlaces[21][2] = {
    {0, 0},    {25, 25},   {80, 21},   {155, 29},  {220, 17},  {30, 90},   {95, 76},
    {150, 89}, {210, 87},  {20, 150},  {80, 146},  {145, 164}, {200, 147}, {20, 224},
    {95, 206}, {155, 224}, {230, 207}, {155, 285}, {210, 301}, {150, 344}, {225, 360}};

// The most each category can score, over every throw of five dice.
const std::array<int, kCategoryCount + 1>& MostPoints() {
  static const std::array<int, kCategoryCount + 1> most = [] {
    std::array<int, kCategoryCount + 1> m{};
    for (int n = 0; n < 6 * 6 * 6 * 6 * 6; ++n) {
      Faces faces{};
      for (int i = 0, rest = n; i < 5; ++i, rest /= 6) faces[i] = rest % 6 + 1;
      for (int k = 1; k <= kCategoryCount; ++k) m[k] = std::max(m[k], CategoryPoints(k, faces));
    }
    return m;
  }();
  return most;
}

constexpr int kTableWidth = 632, kTableHeight = 434;

}  // namespace

bool TGameState::Possible(int column) const {
  if (column < 0 || column > 4) return false;
  if (ThrowLimit < 1 || ThrowLimit > 3 || ThrowsMade < 0 || ThrowsMade > ThrowLimit) return false;
  for (int i = 1; i <= 5; ++i) {
    const TDie& d = Die[i];
    if (d.Face < 1 || d.Face > 6) return false;
    if (d.InCup == 1) continue;
    if (d.Slot < 1 || d.Slot > 20) return false;
    const TTableSlot& place = TableSlot[d.Slot];
    if (place.X < 0 || place.Y < 0 || place.X > kTableWidth - kDieSize ||
        place.Y > kTableHeight - kDieSize)
      return false;
  }
  int most = 0;
  for (int k = 1; k <= kCategoryCount; ++k) {
    const int entry = Sheet[column].Entry[k];
    if (entry != -1 && (entry < 0 || entry > MostPoints()[k])) return false;
    most += MostPoints()[k];
  }
  return Sheet[column].Total >= 0 && Sheet[column].Total <= most;
}

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

// Against the computer player 1 hands the cup to the computer, the computer back to player 1; a
// column out of play (a broken state) gives it to player 1. Among people it goes to the next
// column, from the last (or from one out of play) to player 1. One person keeps it.
int TGameState::NextColumn() const {
  if (PlayerCount == 0) return CurrentPlayer == 1 ? 0 : 1;
  if (PlayerCount < 2) return CurrentPlayer;
  const int last = PlayerCount > 4 ? 4 : PlayerCount;
  return CurrentPlayer >= 1 && CurrentPlayer < last ? CurrentPlayer + 1 : 1;
}

std::vector<int> TGameState::Columns() const {
  if (PlayerCount == 0) return {0, 1};
  std::vector<int> out;
  for (int c = 1; c <= std::clamp(PlayerCount, 1, 4); ++c) out.push_back(c);
  return out;
}

}  // namespace ossaric
