// The turn cycle and the life of a game: throwing, returning dice, the hand-over of the cup,
// new games and Undo.
#include "game/game.h"
#include "game/scoring.h"

namespace ossaric {

namespace {

bool HasFreePlace(const TTableSlot (&places)[21]) {
  for (int k = 1; k <= 20; ++k)
    if (places[k].Occupied != 1) return true;
  return false;
}

}  // namespace

void TYachtGame::ThrowDice() {
  LastCategory = 0;
  if (GameActive == 0) {
    show_.ShowNotice(Notice::StartNewPlay);
    return;
  }
  if (ThrowsMade >= ThrowLimit) {
    show_.ShowNotice(Notice::ThreeRollLimit);
    return;
  }
  if (DiceInCup <= 0) {
    show_.ShowNotice(Notice::NoDiceInCup);
    return;
  }
  if (watcher_ != nullptr) watcher_->BeforeThrow();
  ScoreAllowed = 1;
  // Once the next turn has thrown, the last score stays written: taking it back now would put
  // the scored turn's throw count on the new turn.
  if (ThrowsMade == 0) UndoScore = 0;
  show_.PlaySound(DiceInCup == 1 ? GameSound::Rattle1 : GameSound::Rattle2, false);
  show_.AnimateCupShake();
  show_.StopSounds();
  show_.PlaySound(DiceInCup <= 2   ? GameSound::OneDice
                  : DiceInCup == 3 ? GameSound::MoreDice
                                   : GameSound::ManyDice,
                  false);
  for (int i = 1; i <= 5; ++i) {
    if (ToThrow[i] != 1) continue;
    // At most five of the twenty places are ever taken, so a free one is always found; a
    // scripted draw outside 1..20 counts as a miss. Should the marks say every place is taken,
    // they are garbled: the dice lying on the table tell which places really are.
    if (!HasFreePlace(TableSlot)) {
      for (int s = 1; s <= 20; ++s) TableSlot[s].Occupied = 0;
      for (int d = 1; d <= 5; ++d)
        if (Die[d].InCup == 0 && Die[d].Slot >= 1 && Die[d].Slot <= 20)
          TableSlot[Die[d].Slot].Occupied = 1;
    }
    int k = random_.DrawPlace();
    while (k < 1 || k > 20 || TableSlot[k].Occupied == 1) k = random_.DrawPlace();
    TableSlot[k].Occupied = 1;
    int face = random_.DrawFace();
    if (face < 1 || face > 6) face = static_cast<int>(random_.Next() % 6) + 1;
    Die[i].Slot = k;
    Die[i].Face = face;
    Die[i].InCup = 0;
    show_.AnimateDieFlight(i);
    ToThrow[i] = 0;
  }
  show_.StopSounds();
  show_.SettleCup();
  DiceInCup = 0;
  ThrowsMade += 1;
  show_.DrawThrowDots();
}

void TYachtGame::ReturnDieToCup() {
  if (ThrowsMade >= ThrowLimit) return;
  const int s = SelectedDie;
  if (s < 1 || s > 5) return;
  DiceInCup = DiceInCup < 5 ? DiceInCup + 1 : 5;  // the cup holds five at most
  Die[s].InCup = 1;
  ToThrow[s] = 1;
  if (Die[s].Slot >= 1 && Die[s].Slot <= 20) TableSlot[Die[s].Slot].Occupied = 0;
  show_.AnimateDieToCup(s);
}

void TYachtGame::PutCupDiceBack() {
  DiceInCup = 0;
  for (int i = 1; i <= 5; ++i) {
    if (Die[i].InCup != 1) continue;
    Die[i].InCup = 0;
    ToThrow[i] = 0;
    if (Die[i].Slot >= 1 && Die[i].Slot <= 20) TableSlot[Die[i].Slot].Occupied = 1;
    show_.DrawDieAtPlace(i);
  }
}

void TYachtGame::PrepareNextTurn() {
  NextPlayerPending = 0;
  SavedThrows = ThrowsMade;
  ThrowsMade = 0;
  for (int i = 1; i <= 5; ++i) {
    if (Die[i].InCup == 0) {
      SelectedDie = i;
      ReturnDieToCup();
    }
    Die[i].InCup = 1;
    ToThrow[i] = 1;
  }
  DiceInCup = 5;
  for (int k = 1; k <= 20; ++k) TableSlot[k].Occupied = 0;
  if (PlayerCount == 1) {
    show_.DrawThrowDots();
  } else {
    NextPlayerPending = 1;
    show_.DrawNextPlayerButton();
    show_.ShowPointer(GamePointer::Next);
  }
}

void TYachtGame::NextPlayer() {
  NextPlayerPending = 0;
  LastCategory = 0;
  show_.DrawCupAtHome();
  show_.DrawThrowDots();
  show_.DrawScoreColumn(true);
  show_.DrawTotalLine(true);
  if (PlayerCount == 0) {
    CurrentPlayer = NextColumn();
    if (CurrentPlayer == 0) {
      ComputerBusy = 1;
      UndoReturn = 0;
      UndoScore = 0;
      show_.ShowPointer(GamePointer::Wait);
      show_.DrawTotalLine(false);
      show_.DrawScoreColumn(false);
      if (computer_ != nullptr) computer_->PlayComputerTurn();
    } else {
      show_.DrawTotalLine(false);
      show_.DrawScoreColumn(false);
    }
  } else if (PlayerCount >= 2) {
    CurrentPlayer = NextColumn();
    show_.DrawTotalLine(false);
    show_.DrawScoreColumn(false);
  }
  show_.ShowPointer(GamePointer::Roll);
}

void TYachtGame::BeginGame() {
  // A fresh game has nothing to take back: an Undo here would bring the last game's throw
  // onto the new table, ready to be scored.
  UndoScore = 0;
  UndoReturn = 0;
  GameActive = 1;
  ComputerBusy = 0;
  CurrentPlayer = 1;
  ResetGame(true);
  if (watcher_ != nullptr) watcher_->GameBegun();
  show_.DrawTotalLine(false);
}

void TYachtGame::StartFromSetup() {
  GameActive = 1;
  CurrentPlayer = 1;
  UndoScore = 0;  // the discarded game's last move is not this game's
  UndoReturn = 0;
  ResetGame(true);
  if (watcher_ != nullptr) watcher_->GameBegun();
  NextPlayerPending = 0;
  SavedThrows = ThrowsMade;
  ThrowsMade = 0;
  for (int i = 1; i <= 5; ++i) {
    Die[i].InCup = 1;
    ToThrow[i] = 1;
  }
  DiceInCup = 5;
  for (int k = 1; k <= 20; ++k) TableSlot[k].Occupied = 0;
  show_.DrawThrowDots();
}

void TYachtGame::Undo() {
  if (ComputerBusy) return;
  if (UndoScore == 1) {
    UndoScore = 0;
    show_.DrawScoreColumn(true);
    show_.DrawTotalLine(true);
    show_.ClearCupAtHome();
    NextPlayerPending = 0;
    if (LastCategory >= 1 && LastCategory <= kCategoryCount && CurrentPlayer >= 0 &&
        CurrentPlayer <= 4) {
      int& entry = Sheet[CurrentPlayer].Entry[LastCategory];
      if (watcher_ != nullptr && entry != -1) watcher_->ScoreTakenBack();
      if (entry >= 0) Sheet[CurrentPlayer].Total = AddToTotal(Sheet[CurrentPlayer].Total, -entry);
      entry = -1;
    }
    LastCategory = 0;
    NextPlayerPending = 0;
    ThrowsMade = SavedThrows;
    show_.DrawThrowDots();
    show_.DrawScoreColumn(false);
    show_.DrawTotalLine(false);
    PutCupDiceBack();
    ScoreAllowed = 1;
  } else if (UndoReturn == 1) {
    UndoReturn = 0;
    if (LastCategory == 0 && (ThrowsMade == 1 || ThrowsMade == 2)) PutCupDiceBack();
  }
}

void TYachtGame::EndComputerTurn() {
  show_.ShowPointer(GamePointer::Arrow);
  LastCategory = 0;
  UndoReturn = 0;
  UndoScore = 0;
  ComputerBusy = 0;
}

}  // namespace ossaric
