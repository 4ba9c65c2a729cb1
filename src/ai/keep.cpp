// The computer's turn and its keep rules. After each of its first two throws the computer
// sorts the dice by pattern and asks the keep decider of that pattern, which either writes a
// category at once or holds some dice and returns the rest to the cup. After the third throw
// the category choice (choose.cpp) writes the score.
//
// Every decider is a rule list: the first rule whose condition holds is carried out, and the
// decider returns. The rules only look at which categories are still open and at the faces;
// the computer never draws a random number of its own.
#include "ai/computer.h"
#include "ai/rules.h"

namespace ossaric {

using ai::Count;
using ai::FaceOfHeld;
using ai::FaceOfUnheld;
using ai::NumberCategory;

namespace {

void ReleaseAll(TDie* die) {
  for (int i = 1; i <= 5; ++i) die[i].Keep = 0;
}

void HoldDice(TDie* die, int first, int last) {
  for (int i = 1; i <= 5; ++i) die[i].Keep = (i >= first && i <= last) ? 1 : 0;
}

// Holds every die whose face is neither a nor b (pass 0 for an unused face).
void HoldAllBut(TDie* die, int a, int b) {
  for (int i = 1; i <= 5; ++i) die[i].Keep = (die[i].Face != a && die[i].Face != b) ? 1 : 0;
}

void ReleaseFace(TDie* die, int face) {
  for (int i = 1; i <= 5; ++i)
    if (die[i].Face == face) die[i].Keep = 0;
}

int FirstShowing(const TDie* die, int face) {
  for (int i = 1; i <= 5; ++i)
    if (die[i].Face == face) return i;
  return 0;
}

int LastShowing(const TDie* die, int face) {
  for (int i = 5; i >= 1; --i)
    if (die[i].Face == face) return i;
  return 0;
}

void Hold(TDie* die, int i) {
  if (i >= 1 && i <= 5) die[i].Keep = 1;
}

void Release(TDie* die, int i) {
  if (i >= 1 && i <= 5) die[i].Keep = 0;
}

}  // namespace

// ---- The turn ----

void TComputerPlayer::PlayComputerTurn() {
  game_.Show().DrawTotalLine(false);
  game_.Show().DrawScoreColumn(false);
  game_.ComputerDone = 0;
  const int openBefore = ComputerOpenCount();
  for (int pass = 1; pass <= 3; ++pass) {
    // The program ends: the turn stays as it stands.
    if (game_.TurnStopped()) return;
    // Nothing carries over from the last throw: no marks, no pair faces.
    for (int i = 1; i <= 5; ++i) game_.Die[i].Keep = game_.Die[i].Work1 = game_.Die[i].Work2 = 0;
    const int throwsBefore = game_.ThrowsMade;
    game_.ThrowDice();
    if (game_.ThrowsMade == throwsBefore) break;  // refused; the message said why
    game_.Show().Delay(1500);
    if (game_.TurnStopped()) return;
    if (game_.ThrowsMade > 2) {
      ChooseComputerCategory();
    } else {
      DecideKeep();
    }
    if (game_.ComputerDone != 0) break;
    // A decider always writes or returns a die while a category is open; should a broken
    // state leave the cup empty, there is nothing to throw.
    if (game_.DiceInCup <= 0) break;
  }
  if (game_.GameActive == 1 && ComputerOpenCount() == openBefore) FinishComputerTurnWithoutScore();
  game_.EndComputerTurn();
}

// Sorts the throw by pattern, the first test that holds deciding, and asks that pattern's
// keep decider.
void TComputerPlayer::DecideKeep() {
  ByPattern({&TComputerPlayer::KeepForAllAlike, &TComputerPlayer::KeepForFourAlike,
             &TComputerPlayer::KeepForLargeStraight, &TComputerPlayer::KeepForSmallStraight,
             &TComputerPlayer::KeepForFullHouse, &TComputerPlayer::KeepForThreeAlike,
             &TComputerPlayer::KeepForTwoPairs, &TComputerPlayer::KeepForPair,
             &TComputerPlayer::KeepForNothing});
}

void TComputerPlayer::ByPattern(const Decider (&deciders)[9]) {
  const int pattern = game_.IsAllAlike()          ? 0
                      : game_.MarkFourAlike()     ? 1
                      : game_.IsLargeStraight()   ? 2
                      : game_.MarkSmallStraight() ? 3
                      : game_.MarkFullHouse()     ? 4
                      : game_.MarkThreeAlike()    ? 5
                      : game_.MarkTwoPairs()      ? 6
                      : game_.MarkPair()          ? 7
                                                  : 8;
  (this->*deciders[pattern])();
}

// Reached only when the state was tampered with (a throw refused, a rule that found nothing
// open): the computer still writes what the dice on the table give, or at least hands the cup
// back, so the player is never left without a move.
void TComputerPlayer::FinishComputerTurnWithoutScore() {
  if (ComputerOpenCount() > 0) {
    for (int i = 1; i <= 5; ++i) game_.Die[i].Keep = game_.Die[i].Work1 = game_.Die[i].Work2 = 0;
    game_.ScoreAllowed = 1;
    ChooseComputerCategory();
  }
  if (game_.GameActive == 1 && game_.NextPlayerPending == 0) {
    game_.ScoreAllowed = 0;
    game_.PrepareNextTurn();
  }
}

void TComputerPlayer::ReturnUnkeptDice() {
  for (int i = 1; i <= 5; ++i) {
    if (game_.Die[i].Keep != 0) continue;
    game_.SelectedDie = i;
    game_.ReturnDieToCup();
    game_.Die[i].InCup = 1;
  }
}

bool TComputerPlayer::ComputerOpen(int category) const {
  return category >= 1 && category <= kCategoryCount && game_.Sheet[0].Entry[category] == -1;
}

int TComputerPlayer::ComputerOpenCount() const {
  int n = 0;
  for (int k = 1; k <= kCategoryCount; ++k) n += ComputerOpen(k) ? 1 : 0;
  return n;
}

void TComputerPlayer::ComputerWrites(int category) {
  game_.ScoreCategory(category);
  game_.ComputerDone = 1;
}

// ---- Building blocks ----

void TComputerPlayer::HoldOnlyFace(int face) {
  for (int i = 1; i <= 5; ++i) game_.Die[i].Keep = game_.Die[i].Face == face ? 1 : 0;
}

// Goes after the open straight, the large one first, from the set `holdStraightSet` holds;
// false when neither straight is open (nothing done).
bool TComputerPlayer::ChaseOpenStraight(const std::function<void()>& holdStraightSet) {
  for (const int straight : {kLargeStraight, kSmallStraight}) {
    if (!ComputerOpen(straight)) continue;
    holdStraightSet();
    ChaseStraight(straight);
    return true;
  }
  return false;
}

// Goes after the first open number category, from Ones up; when no die shows its face, all
// five dice go back.
bool TComputerPlayer::ChaseOpenNumber() {
  for (int face = 1; face <= 6; ++face) {
    if (ComputerOpen(NumberCategory(face))) {
      HoldOnlyFace(face);
      ReturnUnkeptDice();
      return true;
    }
  }
  return false;
}

void TComputerPlayer::TrimForLargeStraight() {
  if (Count(game_.Die, 1) > 0) ReleaseFace(game_.Die, 6);
}

void TComputerPlayer::TrimForSmallStraight() {
  if (Count(game_.Die, 1) > 0) {
    ReleaseFace(game_.Die, 5);
    ReleaseFace(game_.Die, 6);
  } else if (Count(game_.Die, 6) > 0) {
    ReleaseFace(game_.Die, 1);
    ReleaseFace(game_.Die, 2);
  }
}

// High dice stay, low dice go; with nothing low on the table, Choice is written.
void TComputerPlayer::ChaseChoice() {
  int released = 0;
  for (int i = 1; i <= 5; ++i) {
    game_.Die[i].Keep = game_.Die[i].Face >= 4 ? 1 : 0;
    released += 1 - game_.Die[i].Keep;
  }
  if (released == 0) {
    ComputerWrites(kChoice);
  } else {
    ReturnUnkeptDice();
  }
}

// The hold set (one die of each face) is formed by the decider; this trims it for the
// straight wanted and throws the rest again.
void TComputerPlayer::ChaseStraight(int category) {
  if (category == kLargeStraight) {
    TrimForLargeStraight();
  } else {
    TrimForSmallStraight();
  }
  ReturnUnkeptDice();
}

// ---- The nine keep deciders ----

// Five dice of face f; nothing held.
void TComputerPlayer::KeepForAllAlike() {
  const int f = game_.Die[1].Face;
  if (ComputerOpen(kBexil)) return ComputerWrites(kBexil);
  if (ComputerOpen(kFourOfAKind)) {
    HoldDice(game_.Die, 1, 4);
    return ReturnUnkeptDice();
  }
  if (ComputerOpen(kFullHouse)) {
    HoldDice(game_.Die, 1, 3);
    return ReturnUnkeptDice();
  }
  for (int k : {kSixes, kFives, kFours, kThrees, kTwos, kOnes})
    if (ComputerOpen(k)) return ComputerWrites(k);
  if (ComputerOpen(kLargeStraight) || ComputerOpen(kSmallStraight)) {
    HoldDice(game_.Die, 1, 1);
    return ReturnUnkeptDice();
  }
  if (ComputerOpen(kChoice)) {
    if (f >= 4 && f <= 6) return ComputerWrites(kChoice);
    ReleaseAll(game_.Die);
    return ReturnUnkeptDice();
  }
}

// Face f four times, the four held; one odd die.
void TComputerPlayer::KeepForFourAlike() {
  const int f = FaceOfHeld(game_.Die);
  // The straight chase keeps the last of the four and the odd die.
  auto holdStraightSet = [&] {
    HoldAllBut(game_.Die, f, 0);
    Hold(game_.Die, LastShowing(game_.Die, f));
  };
  if (ComputerOpen(kBexil)) return ReturnUnkeptDice();
  if (ComputerOpen(kFourOfAKind)) return ComputerWrites(kFourOfAKind);
  if (ComputerOpen(kFullHouse)) {
    Release(game_.Die, FirstShowing(game_.Die, f));
    return ReturnUnkeptDice();
  }
  if (ComputerOpen(NumberCategory(f))) return ReturnUnkeptDice();
  if (ChaseOpenNumber() || ChaseOpenStraight(holdStraightSet)) return;
  if (ComputerOpen(kChoice)) return ChaseChoice();
}

// Nothing held.
void TComputerPlayer::KeepForLargeStraight() {
  if (ComputerOpen(kLargeStraight)) return ComputerWrites(kLargeStraight);
  if (ComputerOpen(kSmallStraight)) return ComputerWrites(kSmallStraight);
  KeepForNothing();
}

// One die of each face of the run held.
void TComputerPlayer::KeepForSmallStraight() {
  if (ComputerOpen(kLargeStraight)) return ReturnUnkeptDice();
  if (ComputerOpen(kSmallStraight)) return ComputerWrites(kSmallStraight);
  KeepForNothing();
}

// Face t three times, held; face p twice.
void TComputerPlayer::KeepForFullHouse() {
  const int t = FaceOfHeld(game_.Die);
  const int p = FaceOfUnheld(game_.Die);
  // The straight chase keeps the last of the three and the first of the pair.
  auto holdStraightSet = [&] {
    ReleaseAll(game_.Die);
    Hold(game_.Die, LastShowing(game_.Die, t));
    Hold(game_.Die, FirstShowing(game_.Die, p));
  };
  if (ComputerOpen(kFullHouse)) return ComputerWrites(kFullHouse);
  if (ComputerOpen(kBexil) || ComputerOpen(kFourOfAKind)) return ReturnUnkeptDice();
  if (ComputerOpen(NumberCategory(t))) return ReturnUnkeptDice();
  if (ComputerOpen(NumberCategory(p))) return ReturnUnkeptDice();
  if (ChaseOpenNumber() || ChaseOpenStraight(holdStraightSet)) return;
  if (ComputerOpen(kChoice)) return ChaseChoice();
}

// Face t three times, held; two other dice of two other faces.
void TComputerPlayer::KeepForThreeAlike() {
  const int t = FaceOfHeld(game_.Die);
  // The straight chase keeps the last of the three and both other dice.
  auto holdStraightSet = [&] {
    HoldAllBut(game_.Die, t, 0);
    Hold(game_.Die, LastShowing(game_.Die, t));
  };
  if (ComputerOpen(kBexil) || ComputerOpen(kFourOfAKind) || ComputerOpen(kFullHouse))
    return ReturnUnkeptDice();
  if (ComputerOpen(NumberCategory(t))) return ReturnUnkeptDice();
  if (ChaseOpenNumber() || ChaseOpenStraight(holdStraightSet)) return;
  if (ComputerOpen(kChoice)) return ChaseChoice();
}

// Both pairs held: the higher face H, the lower L; one odd die. The higher pair goes first.
void TComputerPlayer::KeepForTwoPairs() {
  const int low = game_.PairFace(1);
  const int high = game_.PairFace(2);
  // The straight chase keeps the second die of each pair and the odd die.
  auto holdStraightSet = [&] {
    HoldAllBut(game_.Die, low, high);
    Hold(game_.Die, LastShowing(game_.Die, low));
    Hold(game_.Die, LastShowing(game_.Die, high));
  };
  if (ComputerOpen(kFullHouse)) return ReturnUnkeptDice();
  if (ComputerOpen(NumberCategory(high))) {
    HoldOnlyFace(high);
    return ReturnUnkeptDice();
  }
  if (ComputerOpen(NumberCategory(low))) {
    HoldOnlyFace(low);
    return ReturnUnkeptDice();
  }
  if (ChaseOpenNumber() || ChaseOpenStraight(holdStraightSet)) return;
  if (ComputerOpen(kBexil) || ComputerOpen(kFourOfAKind)) {
    HoldOnlyFace(high);
    return ReturnUnkeptDice();
  }
  if (ComputerOpen(kChoice)) return ChaseChoice();
}

// Face p twice, held; three other dice of three other faces.
void TComputerPlayer::KeepForPair() {
  const int p = FaceOfHeld(game_.Die);
  // The straight chase keeps the second die of the pair and the three other dice.
  auto holdStraightSet = [&] {
    HoldAllBut(game_.Die, p, 0);
    Hold(game_.Die, LastShowing(game_.Die, p));
  };
  if (ComputerOpen(NumberCategory(p))) return ReturnUnkeptDice();
  if (ComputerOpen(kLargeStraight)) {
    holdStraightSet();
    return ChaseStraight(kLargeStraight);
  }
  if (ComputerOpen(kSmallStraight)) {
    holdStraightSet();
    return ChaseStraight(kSmallStraight);
  }
  if (ChaseOpenNumber()) return;
  if (ComputerOpen(kBexil) || ComputerOpen(kFourOfAKind) || ComputerOpen(kFullHouse))
    return ReturnUnkeptDice();
  if (ComputerOpen(kChoice)) return ChaseChoice();
}

// Five different faces without a run of four, or a straight whose categories are both
// written. Every rule sets all five marks itself.
void TComputerPlayer::KeepForNothing() {
  int a = 0;  // the lowest face shown twice or more
  for (int face = 6; face >= 1; --face)
    if (Count(game_.Die, face) >= 2) a = face;
  if (ComputerOpen(kLargeStraight)) {
    if (Count(game_.Die, 6) > 0) {
      HoldAllBut(game_.Die, 1, 0);
    } else {
      HoldAllBut(game_.Die, 6, 0);
    }
    for (int face = 1; face <= 6; ++face)
      if (Count(game_.Die, face) == 2) Release(game_.Die, FirstShowing(game_.Die, face));
    return ReturnUnkeptDice();
  }
  if (ComputerOpen(kSmallStraight)) {
    if (Count(game_.Die, 6) > 0) {
      HoldAllBut(game_.Die, 1, 2);
    } else if (Count(game_.Die, 1) > 0) {
      HoldAllBut(game_.Die, 5, 6);
    } else {
      HoldAllBut(game_.Die, 1, 6);
    }
    return ReturnUnkeptDice();
  }
  if (a > 0) {
    bool worthKeeping =
        ComputerOpen(kFullHouse) || ComputerOpen(kFourOfAKind) || ComputerOpen(kBexil);
    for (int face = a; face <= 6; ++face)
      worthKeeping = worthKeeping || ComputerOpen(NumberCategory(face));
    if (worthKeeping) {
      HoldOnlyFace(a);
      return ReturnUnkeptDice();
    }
  }
  if (ChaseOpenNumber()) return;
  if (ComputerOpen(kFullHouse) || ComputerOpen(kFourOfAKind) || ComputerOpen(kBexil)) {
    HoldDice(game_.Die, 5, 5);
    return ReturnUnkeptDice();
  }
  if (ComputerOpen(kChoice)) return ChaseChoice();
}

}  // namespace ossaric
