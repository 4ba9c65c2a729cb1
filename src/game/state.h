// The state record of one game at the table: the players and their columns, the dice, the
// landing places, the cup, the throw counts, the flags of the turn and of Undo, whose turn it
// is and whether the computer is playing. Every field starts at its value for a fresh program.
#pragma once

#include <cstdint>
#include <vector>

#include "game/records.h"

namespace ossaric {

struct TGameState {
  TGameState();

  int NextPlayerPending = 0;  // the NEXT button stands on the cup
  int GameActive = 0;
  int PlayerCount = 1;    // 1..4 people, or 0 for one person against the computer
  int CurrentPlayer = 1;  // 1..4, or 0 for the computer
  TScoreColumn Sheet[5];  // column 0 is the computer's
  int DiceInCup = 5;
  int ToThrow[11] = {};  // 1 while die i goes into the next throw
  int SelectedDie = 0;
  int ThrowsMade = 0;
  int SavedThrows = 0;  // the throws of the turn just ended, for Undo
  int ComputerDone = 0;
  int ComputerBusy = 0;
  int ThrowLimit = 3;
  int ScoreAllowed = 0;
  int LastCategory = 0;
  uint8_t UndoScore = 0;   // the last score may be taken back
  uint8_t UndoReturn = 0;  // the last die returned to the cup may be taken back
  TDie Die[11];
  TTableSlot TableSlot[21];

  // Whether column `column` faces a moment the rules can reach: throws made 0..ThrowLimit with a
  // limit of 1..3, five faces 1..6, each die on the table on one of the twenty places and that
  // place on the table, every entry empty or a score its category can give, a total the entries
  // can make. The best play, the review and the hint refuse anything else (a kept game read from
  // disk may bring it) rather than compute with it.
  bool Possible(int column) const;
  // The column the cup goes to when it is handed on.
  int NextColumn() const;
  // The columns in play, in the sheet's order: the computer's and player 1's against the
  // computer, else player 1's to the last player's.
  std::vector<int> Columns() const;
};

}  // namespace ossaric
