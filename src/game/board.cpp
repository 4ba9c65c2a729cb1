// Presses on the board: a row of the score sheet, the cup, or a die on the table; and which of
// them a pixel of the board is.
#include <cstdint>
#include <string>

#include "game/game.h"
#include "game/geometry.h"
#include "game/scoring.h"

namespace ossaric {

namespace {

// The die picture at (left, top), edges included; wide arithmetic, so a place far off the
// window never wraps around.
bool OnDie(int x, int y, int left, int top) {
  const int64_t dx = static_cast<int64_t>(x) - left, dy = static_cast<int64_t>(y) - top;
  return dx >= 0 && dx <= kDieSize && dy >= 0 && dy <= kDieSize;
}

}  // namespace

Target TYachtGame::BoardTargetAt(int x, int y) const {
  if (x >= kSheetLeft && x <= kSheetRight) {
    for (int k = 1; k <= kCategoryCount; ++k)
      if (y >= RowTop(k) && y < RowTop(k) + kRowHeight) return {TargetKind::Row, k};
    return {};
  }
  if (x >= kCupX && x <= kCupX + kCupWidth && y >= kCupY && y <= kCupY + kCupHeight)
    return {TargetKind::Cup, 0};
  // With every die in the cup nothing lies on the table, not even at a die's old place.
  if (DiceInCup >= 5) return {};
  for (int i = 1; i <= 5; ++i) {
    const int slot = Die[i].Slot;
    if (slot < 1 || slot > 20) continue;
    if (OnDie(x, y, TableSlot[slot].X, TableSlot[slot].Y)) return {TargetKind::Die, i};
  }
  return {};
}

void TYachtGame::PressBoard(Target target) {
  switch (target.kind) {
    case TargetKind::Cup:
      PressCup();
      break;
    case TargetKind::Die:
      PressDie(target.index);
      break;
    case TargetKind::Row:
      if (target.index >= 1 && target.index <= kCategoryCount) ScoreCategory(target.index);
      break;
    default:
      break;
  }
}

// The cup hands itself on first when it waits to; it never throws for the computer.
void TYachtGame::PressCup() {
  if (NextPlayerPending == 1) NextPlayer();
  if (PlayerCount != 0 || CurrentPlayer == 1) ThrowDice();
}

// A die is looked at through its place even when it lies in the cup: the notices come first.
void TYachtGame::PressDie(int i) {
  if (i < 1 || i > 5) return;
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
}

void TYachtGame::HandleBoardClick(int x, int y) {
  PressBoard(BoardTargetAt(x, y));
}

int TYachtGame::WouldScore(int category) const {
  if (ComputerBusy) return -1;
  if (GameActive == 0 || ScoreAllowed == 0 || CurrentPlayer < 1 || CurrentPlayer > 4) return -1;
  if (category < 1 || category > kCategoryCount) return -1;
  if (Sheet[CurrentPlayer].Entry[category] != -1) return -1;
  const Faces faces{Die[1].Face, Die[2].Face, Die[3].Face, Die[4].Face, Die[5].Face};
  return CategoryPoints(category, faces);
}

TYachtGame::Preview TYachtGame::ScorePreview(int x, int y) const {
  const Target target = BoardTargetAt(x, y);
  if (target.kind != TargetKind::Row) return {};
  const int points = WouldScore(target.index);
  if (points < 0) return {};
  return {target.index, points};
}

}  // namespace ossaric
