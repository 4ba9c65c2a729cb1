// The expert computer: the same turn as the computer's rule lists (throws, pauses, dice returned
// one by one, one category written), but every choice is the best play of the solver.
#pragma once

#include "ai/solver.h"
#include "game/game.h"

namespace ossaric {

// The moment of a turn that column `column` faces in the game's state.
ai::TPosition PositionOf(const TGameState& g, int column);

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
