// The plain records of the game state.
#pragma once

#include <cstdint>

namespace ossaric {

struct TDie {
  int Face = 1;   // face shown, 1..6
  int Slot = 1;   // table place 1..20 the die lies on, or lay on before it went into the cup
  int InCup = 1;  // 1 while the die is in the cup
  int Keep = 0;   // the computer's keep mark
  int Work1 = 0;  // the computer's scratch words; Die[1] carries the two pair faces
  int Work2 = 0;
};

struct TTableSlot {
  int X = 0;  // top-left of the 50 x 50 die picture
  int Y = 0;
  int Occupied = 0;
};

struct TScoreColumn {
  int Entry[13] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};  // 1..12; -1 = empty
  int Total = 0;
};

// Category indices: the rows of the score sheet from top to bottom.
enum Category {
  kBexil = 1,
  kLargeStraight,
  kSmallStraight,
  kFourOfAKind,
  kFullHouse,
  kSixes,
  kFives,
  kFours,
  kThrees,
  kTwos,
  kOnes,
  kChoice,
};

constexpr int kCategoryCount = 12;
constexpr int RowTop(int category) {
  return 75 + 24 * (category - 1);
}

}  // namespace ossaric
