// The pattern tests the computer player classifies a throw with. The Mark tests also hold
// (Keep = 1) the dice that make up the pattern, and never release a mark on their own, except
// MarkSmallStraight, which starts from a clean slate.
#include "game/game.h"
#include "game/scoring.h"

namespace ossaric {

namespace {

std::array<int, 7> Counts(const TDie* die) {
  return FaceCounts({die[1].Face, die[2].Face, die[3].Face, die[4].Face, die[5].Face});
}

// The face shown exactly n times, or 0.
int FaceWithCount(const std::array<int, 7>& count, int n) {
  for (int f = 1; f <= 6; ++f)
    if (count[f] == n) return f;
  return 0;
}

void HoldFace(TDie* die, int face) {
  for (int i = 1; i <= 5; ++i)
    if (die[i].Face == face) die[i].Keep = 1;
}

}  // namespace

bool TYachtGame::IsAllAlike() {
  const auto count = Counts(Die);
  for (int f = 6; f >= 1; --f)
    if (count[f] == 5) return true;
  return false;
}

bool TYachtGame::MarkFourAlike() {
  const int face = FaceWithCount(Counts(Die), 4);
  if (face == 0) return false;
  HoldFace(Die, face);
  return true;
}

bool TYachtGame::IsLargeStraight() {
  const auto count = Counts(Die);
  bool high = true, low = true;
  for (int f = 2; f <= 6; ++f) high = high && count[f] == 1;
  for (int f = 1; f <= 5; ++f) low = low && count[f] == 1;
  return high || low;
}

bool TYachtGame::MarkSmallStraight() {
  for (int i = 1; i <= 5; ++i) Die[i].Keep = 0;
  const auto count = Counts(Die);
  bool found = false;
  for (int start = 1; start <= 3; ++start) {
    bool run = true;
    for (int f = start; f < start + 4; ++f) run = run && count[f] > 0;
    if (!run) continue;
    found = true;
    for (int f = start; f < start + 4; ++f) {
      bool marked = false;
      for (int i = 1; i <= 5; ++i) marked = marked || (Die[i].Keep == 1 && Die[i].Face == f);
      if (marked) continue;
      for (int i = 1; i <= 5; ++i) {
        if (Die[i].Face == f) {
          Die[i].Keep = 1;
          break;
        }
      }
    }
  }
  return found;
}

bool TYachtGame::MarkFullHouse() {
  const auto count = Counts(Die);
  const int three = FaceWithCount(count, 3);
  if (three == 0) return false;
  HoldFace(Die, three);
  return FaceWithCount(count, 2) != 0;
}

bool TYachtGame::MarkThreeAlike() {
  const int face = FaceWithCount(Counts(Die), 3);
  if (face == 0) return false;
  HoldFace(Die, face);
  return true;
}

bool TYachtGame::MarkTwoPairs() {
  const auto count = Counts(Die);
  int pairs = 0;
  for (int f = 1; f <= 6; ++f) {
    if (count[f] != 2) continue;
    HoldFace(Die, f);
    PairFace(pairs == 0 ? 1 : 2) = f;
    ++pairs;
  }
  return pairs == 2;
}

bool TYachtGame::MarkPair() {
  const int face = FaceWithCount(Counts(Die), 2);
  if (face == 0) return false;
  HoldFace(Die, face);
  return true;
}

}  // namespace ossaric
