// The computer player. It reads the game model and acts only through the model's operations
// and scorers, as a player's presses would; its keep marks and pair faces are its scratch on the
// dice records.
#pragma once

#include <functional>
#include <initializer_list>

#include "game/game.h"

namespace ossaric {

class TComputerPlayer : public TComputerSeat {
 public:
  explicit TComputerPlayer(TYachtGame& game) : game_(game) {}

  // ---- ai/keep.cpp ----
  void PlayComputerTurn() override;
  void ReturnUnkeptDice();
  void DecideKeep();  // the pattern of a first or second throw picks the keep decider
  void KeepForAllAlike();
  void KeepForFourAlike();
  void KeepForLargeStraight();
  void KeepForSmallStraight();
  void KeepForFullHouse();
  void KeepForThreeAlike();
  void KeepForTwoPairs();
  void KeepForPair();
  void KeepForNothing();
  void HoldOnlyFace(int face);
  bool ChaseOpenNumber();  // false when no number category is open (nothing done)
  bool ChaseOpenStraight(const std::function<void()>& holdStraightSet);
  void TrimForLargeStraight();
  void TrimForSmallStraight();
  void ChaseChoice();
  void ChaseStraight(int category);       // trims the hold set for that straight, returns the rest
  bool ComputerOpen(int category) const;  // the computer's entry is still empty
  void ComputerWrites(int category);      // a keep decider writes and ends the turn
  int ComputerOpenCount() const;
  void FinishComputerTurnWithoutScore();  // only a corrupted state gets here

  // ---- ai/choose.cpp ----
  void ChooseComputerCategory();
  void ChooseForAllAlike();
  void ChooseForFourAlike();
  void ChooseForLargeStraight();
  void ChooseForSmallStraight();
  void ChooseForFullHouse();
  void ChooseForThreeAlike();
  void ChooseForTwoPairs();
  void ChooseForPair();
  void ChooseForNothing();
  bool WriteIfOpen(int category);                        // a chooser's step
  void WriteFirstOpen(std::initializer_list<int> list);  // a chooser's list

 private:
  using Decider = void (TComputerPlayer::*)();
  // Sorts the dice by pattern, the first test that holds deciding (the tests mark the dice they
  // find), and runs that pattern's decider: all alike, four alike, large straight, small
  // straight, full house, three alike, two pairs, pair, nothing.
  void ByPattern(const Decider (&deciders)[9]);

  TYachtGame& game_;
};

}  // namespace ossaric
