// Presses on the board: a row of the score sheet, the cup, or a die on the table.
#include <string>

#include "game/game.h"
#include "game/scoring.h"

namespace ossaric {

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

int TYachtGame::WouldScore(int category) const {
  if (ComputerBusy) return -1;
  if (GameActive == 0 || ScoreAllowed == 0 || CurrentPlayer < 1 || CurrentPlayer > 4) return -1;
  if (category < 1 || category > kCategoryCount) return -1;
  if (Sheet[CurrentPlayer].Entry[category] != -1) return -1;
  const Faces faces{Die[1].Face, Die[2].Face, Die[3].Face, Die[4].Face, Die[5].Face};
  return CategoryPoints(category, faces);
}

}  // namespace ossaric
