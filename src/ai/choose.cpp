// The computer's category choice after its third throw. The dice are sorted by pattern as
// for the keep rules, and the chooser of that pattern writes the first open category of its
// leading steps, then of its list. No chooser weighs points: a category is taken because it is
// open and stands earlier, so a category that does not fit the dice is scratched with 0.
#include "ai/computer.h"
#include "ai/rules.h"

namespace ossaric {

using ai::FaceOfHeld;
using ai::FaceOfUnheld;
using ai::NumberCategory;

void TComputerPlayer::ChooseComputerCategory() {
  ByPattern({&TComputerPlayer::ChooseForAllAlike, &TComputerPlayer::ChooseForFourAlike,
             &TComputerPlayer::ChooseForLargeStraight, &TComputerPlayer::ChooseForSmallStraight,
             &TComputerPlayer::ChooseForFullHouse, &TComputerPlayer::ChooseForThreeAlike,
             &TComputerPlayer::ChooseForTwoPairs, &TComputerPlayer::ChooseForPair,
             &TComputerPlayer::ChooseForNothing});
}

bool TComputerPlayer::WriteIfOpen(int category) {
  if (!ComputerOpen(category)) return false;
  game_.ScoreCategory(category);
  return true;
}

void TComputerPlayer::WriteFirstOpen(std::initializer_list<int> list) {
  for (int category : list)
    if (WriteIfOpen(category)) return;
}

// Five alike, face f. Its own list names no number category but f's; should only those be
// left, the first open of Sixes down to Ones is taken, as on the earlier throws.
void TComputerPlayer::ChooseForAllAlike() {
  const int f = game_.Die[1].Face;
  if (WriteIfOpen(kBexil) || WriteIfOpen(kFourOfAKind) || WriteIfOpen(NumberCategory(f))) return;
  WriteFirstOpen({kChoice, kSmallStraight, kFullHouse, kLargeStraight,  //
                  kSixes, kFives, kFours, kThrees, kTwos, kOnes});
}

// Four alike (held), face f.
void TComputerPlayer::ChooseForFourAlike() {
  const int f = FaceOfHeld(game_.Die);
  if (WriteIfOpen(kFourOfAKind) || WriteIfOpen(NumberCategory(f))) return;
  WriteFirstOpen({kChoice, kOnes, kTwos, kThrees, kFours, kSmallStraight, kFives, kSixes,
                  kFullHouse, kLargeStraight, kBexil});
}

void TComputerPlayer::ChooseForLargeStraight() {
  if (WriteIfOpen(kLargeStraight)) return;
  ChooseForSmallStraight();
}

// A run of four. With Small Straight written, a face shown twice is worth its number
// category: the lowest such face first, then the faces above it.
void TComputerPlayer::ChooseForSmallStraight() {
  if (WriteIfOpen(kSmallStraight)) return;
  int a = 0;
  for (int face = 6; face >= 1; --face)
    if (ai::Count(game_.Die, face) >= 2) a = face;
  if (a > 0) {
    for (int face = a; face <= 6; ++face)
      if (WriteIfOpen(NumberCategory(face))) return;
  }
  WriteFirstOpen({kChoice, kOnes, kTwos, kThrees, kFours, kFives, kSixes, kFullHouse, kFourOfAKind,
                  kLargeStraight, kBexil});
}

// Three alike of face t (held) and a pair of face p.
void TComputerPlayer::ChooseForFullHouse() {
  const int t = FaceOfHeld(game_.Die);
  const int p = FaceOfUnheld(game_.Die);
  if (WriteIfOpen(kFullHouse) || WriteIfOpen(NumberCategory(t)) || WriteIfOpen(NumberCategory(p)))
    return;
  WriteFirstOpen({kChoice, kOnes, kTwos, kThrees, kFours, kFives, kSixes, kFourOfAKind,
                  kSmallStraight, kLargeStraight, kBexil});
}

// Three alike of face t (held).
void TComputerPlayer::ChooseForThreeAlike() {
  const int t = FaceOfHeld(game_.Die);
  if (WriteIfOpen(NumberCategory(t))) return;
  WriteFirstOpen({kChoice, kOnes, kTwos, kThrees, kSmallStraight, kFours, kFives, kSixes,
                  kFullHouse, kFourOfAKind, kLargeStraight, kBexil});
}

// Two pairs: here the lower pair goes first.
void TComputerPlayer::ChooseForTwoPairs() {
  const int low = game_.PairFace(1);
  const int high = game_.PairFace(2);
  if (WriteIfOpen(NumberCategory(low)) || WriteIfOpen(NumberCategory(high))) return;
  WriteFirstOpen({kChoice, kOnes, kTwos, kThrees, kFours, kSmallStraight, kFives, kSixes,
                  kFullHouse, kFourOfAKind, kLargeStraight, kBexil});
}

// One pair of face p (held).
void TComputerPlayer::ChooseForPair() {
  const int p = FaceOfHeld(game_.Die);
  if (WriteIfOpen(NumberCategory(p))) return;
  WriteFirstOpen({kChoice, kOnes, kTwos, kThrees, kSmallStraight, kFours, kFives, kSixes,
                  kFullHouse, kFourOfAKind, kLargeStraight, kBexil});
}

// Five different faces without a run of four.
void TComputerPlayer::ChooseForNothing() {
  WriteFirstOpen({kOnes, kTwos, kThrees, kFours, kSmallStraight, kFives, kSixes, kChoice,
                  kFullHouse, kFourOfAKind, kLargeStraight, kBexil});
}

}  // namespace ossaric
