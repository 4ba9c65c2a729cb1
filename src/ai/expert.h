// The expert computer: the same turn as the computer's rule lists (throws, pauses, dice returned
// one by one, one category written), but every choice is the best play of the solver.
#pragma once

#include "ai/solver.h"
#include "game/game.h"

namespace ossaric {

// The moment of a turn that column `column` faces in the game's state; false, with `p` as it
// was, when the state holds values no game can reach (TGameState::Possible).
bool PositionOf(const TGameState& g, int column, ai::TPosition& p);

class TExpertPlayer : public TComputerSeat {
 public:
  explicit TExpertPlayer(TYachtGame& game) : game_(game) {}
  void PlayComputerTurn() override;

 private:
  // Writes the best open category for the dice as they lie; false when none could be written.
  bool WriteBest();

  TYachtGame& game_;
};

}  // namespace ossaric
