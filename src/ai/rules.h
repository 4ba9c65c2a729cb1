// Small facts about the five dice that the computer's rules read.
#pragma once

#include "game/records.h"

namespace ossaric::ai {

// The number category of a face: Ones for 1 .. Sixes for 6; 0 (no category) for anything else.
constexpr int NumberCategory(int face) {
  return face >= 1 && face <= 6 ? kOnes + 1 - face : 0;
}

// How many of dice 1..5 show `face`.
inline int Count(const TDie* die, int face) {
  int n = 0;
  for (int i = 1; i <= 5; ++i) n += die[i].Face == face ? 1 : 0;
  return n;
}

// The face of the first held die, or of the first die not held; 0 when there is none.
inline int FaceOfHeld(const TDie* die) {
  for (int i = 1; i <= 5; ++i)
    if (die[i].Keep != 0) return die[i].Face;
  return 0;
}
inline int FaceOfUnheld(const TDie* die) {
  for (int i = 1; i <= 5; ++i)
    if (die[i].Keep == 0) return die[i].Face;
  return 0;
}

}  // namespace ossaric::ai
