// The best possible solitaire play of this rule set. Since a column has no bonus, what is still
// to come depends only on which categories are open: the table holds, for each of the 4,096 sets
// of open categories, the expected points of the rest of the game under optimal play (from a
// turn's start, every die in the cup). A position inside a turn is answered by working the
// turn's three throws backwards from that table.
#pragma once

#include <array>
#include <vector>

#include "game/scoring.h"

namespace ossaric::ai {

// Bit k-1 is set while category k (1..12) is open.
using OpenSet = unsigned;
constexpr OpenSet kAllOpen = (1u << 12) - 1;
constexpr OpenSet CategoryBit(int category) {
  return 1u << (category - 1);
}

using DiceSet = std::array<bool, 5>;  // one flag for each of dice 1..5

// A moment of a turn as the rules allow to act on it.
struct TPosition {
  OpenSet open = kAllOpen;
  int total = 0;          // points already written in the column
  Faces faces{};          // the faces of dice 1..5, in the cup or not
  DiceSet inCup{};        // dice waiting in the cup for the next throw
  int throwsLeft = 0;     // throws the turn still allows
  bool mayWrite = false;  // a throw lies on the table that has not been written yet
};

// One thing to do now.
struct TAction {
  int category = 0;     // 1..12: write that category; 0: throw
  DiceSet keep{};       // for a throw: the dice that stay on the table; the others are thrown
  double expected = 0;  // the column's expected final total after this and best play on
};

struct TAdvice {
  bool any = false;  // false: nothing can be done (no open category, or no move allowed)
  TAction best;
  bool canThrow = false;
  TAction bestThrow;            // the best throw, when a throw is allowed
  std::vector<TAction> writes;  // every open category, in category order, when writing is allowed
};

class TSolver {
 public:
  // The one table, built into the program (its positions are worked out when asked).
  static const TSolver& Get();

  // Expected points still to come from a turn's start with `open` (0 for no open category).
  double Value(OpenSet open) const { return value_[open & kAllOpen]; }
  TAdvice Advise(const TPosition& p) const;
  // The expected final total after doing `a` in `p` and playing best from then on; an action the
  // rules do not allow there gives the best the position allows.
  double ActionValue(const TPosition& p, const TAction& a) const;

  // From `table` (4,096 values), or worked out here when there is none.
  explicit TSolver(const double* table);

 private:
  std::array<double, kAllOpen + 1> value_{};
};

// The table worked out at build time, in value order; nullptr to work it out at first use.
const double* BestPlayTable();

// The open categories of a column (entry -1).
OpenSet OpenCategories(const int (&entry)[13]);

}  // namespace ossaric::ai
