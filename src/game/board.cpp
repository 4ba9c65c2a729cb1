// Decoding of a press on the board: a row of the score sheet, the cup, or a die on the table.
#include <cstdint>
#include <string>

#include "game/game.h"
#include "game/scoring.h"

namespace ossaric {

namespace {

// Inclusive on all four sides.
bool In(int x, int y, int left, int right, int top, int bottom) {
  return x >= left && x <= right && y >= top && y <= bottom;
}

// The 50 x 50 die picture at (left, top), edges included; wide arithmetic, so a place far off
// the window never wraps around.
bool OnDie(int x, int y, int left, int top) {
  const int64_t dx = static_cast<int64_t>(x) - left, dy = static_cast<int64_t>(y) - top;
  return dx >= 0 && dx <= 50 && dy >= 0 && dy <= 50;
}

}  // namespace

void TYachtGame::HandleBoardClick(int x, int y) {
  if (x >= 335 && x <= 620) {
    for (int k = 1; k <= kCategoryCount; ++k) {
      if (y >= RowTop(k) && y <= RowTop(k) + 19) {
        ScoreCategory(k);
        break;
      }
    }
    return;
  }
  if (In(x, y, 30, 130, 274, 424)) {
    if (NextPlayerPending == 1) NextPlayer();
    if (PlayerCount != 0 || CurrentPlayer == 1) ThrowDice();
    return;
  }
  if (DiceInCup >= 5) return;
  for (int i = 1; i <= 5; ++i) {
    const int slot = Die[i].Slot;
    if (slot < 1 || slot > 20) continue;
    const TTableSlot& place = TableSlot[slot];
    if (!OnDie(x, y, place.X, place.Y)) continue;
    if (GameActive == 0) {
      show_.ShowNotice(Notice::EndOfGame);
    } else if (ThrowsMade >= ThrowLimit) {
      show_.ShowNotice(Notice::ThreeRollLimit);
    } else if (Die[i].InCup == 0) {
      SelectedDie = i;
      ReturnDieToCup();
      UndoReturn = 1;
      UndoScore = 0;
      show_.PlaySound(GameSound::DiceCup, true);
    }
    return;
  }
}

TYachtGame::Preview TYachtGame::ScorePreview(int x, int y) const {
  if (ComputerBusy) return {};
  if (GameActive == 0 || ScoreAllowed == 0 || CurrentPlayer < 1 || CurrentPlayer > 4) return {};
  if (x < 335 || x > 620) return {};
  for (int k = 1; k <= kCategoryCount; ++k) {
    if (y < RowTop(k) || y > RowTop(k) + 19) continue;
    if (Sheet[CurrentPlayer].Entry[k] != -1) return {};
    const Faces faces{Die[1].Face, Die[2].Face, Die[3].Face, Die[4].Face, Die[5].Face};
    return {k, CategoryPoints(k, faces)};
  }
  return {};
}

}  // namespace ossaric
