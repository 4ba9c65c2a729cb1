// The review of a game: every choice of the people at the table, set against the best play.
// A choice is made once a throw lies on the table: throw again keeping some dice, or write a
// category. Its cost is the best expected final total of that moment less the expected final
// total of what was done; the first throw of a turn is no choice.
#pragma once

#include <vector>

#include "ai/expert.h"
#include "game/show.h"

namespace ossaric {

struct TDecision {
  int column = 1;      // 1..4
  int turn = 1;        // 1..12: the column's turn (categories written before it, plus one)
  int throwsMade = 1;  // throws of the turn before the choice
  Faces faces{};       // the throw the choice was made on
  ai::TAction done;    // what the player did
  ai::TAction best;    // the best play there
  double Cost() const { return best.expected > done.expected ? best.expected - done.expected : 0; }
};

// One player's account of a game.
struct TPlayerReview {
  int column = 1;
  int decisions = 0;
  double lost = 0;     // points lost to choices, in expectation
  double percent = 0;  // the expected total of the choices made, in % of the best play's
  std::vector<TDecision> costliest;  // the costliest choices, most expensive first
};

class TGameReview : public TPlayWatcher {
 public:
  explicit TGameReview(const TGameState& game) : game_(game) {}

  void GameBegun() override;
  void BeforeThrow() override;
  void BeforeWrite(int category) override;
  void ScoreTakenBack() override;
  void GameOver() override;

  // The last game that ended; false while none has ended yet.
  bool HasFinished() const { return finished_; }
  const std::vector<TDecision>& Finished() const { return last_; }
  // The account of each human column of the last finished game, with at most `listed` choices.
  std::vector<TPlayerReview> Accounts(int listed) const;

  const std::vector<TDecision>& Current() const { return current_; }

 private:
  bool Watching() const;
  void Record(const ai::TAction& done);

  const TGameState& game_;
  std::vector<TDecision> current_;
  std::vector<TDecision> last_;
  bool finished_ = false;
};

}  // namespace ossaric
