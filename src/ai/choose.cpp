// The computer's category choice after its third throw. The dice are sorted by pattern as
// for the keep rules, and the chooser of that pattern writes the first open category of its
// leading steps, then of its list. No chooser weighs points: a category is taken because it is
// open and stands earlier, so a category that does not fit the dice is scratched with 0.
#include "ai/rules.h"
#include "ui/yacht_window.h"

namespace ossaric {

using ai::FaceOfHeld;
using ai::FaceOfUnheld;
using ai::NumberCategory;

void TYachtWindow::ChooseComputerCategory() {
  if (IsAllAlike()) {
    ChooseForAllAlike();
  } else if (MarkFourAlike()) {
    ChooseForFourAlike();
  } else if (IsLargeStraight()) {
    ChooseForLargeStraight();
  } else if (MarkSmallStraight()) {
    ChooseForSmallStraight();
  } else if (MarkFullHouse()) {
    ChooseForFullHouse();
  } else if (MarkThreeAlike()) {
    ChooseForThreeAlike();
  } else if (MarkTwoPairs()) {
    ChooseForTwoPairs();
  } else if (MarkPair()) {
    ChooseForPair();
  } else {
    ChooseForNothing();
  }
}

bool TYachtWindow::WriteIfOpen(int category) {
  if (!ComputerOpen(category)) return false;
  ScoreCategory(category);
  return true;
}

void TYachtWindow::WriteFirstOpen(std::initializer_list<int> list) {
  for (int category : list)
    if (WriteIfOpen(category)) return;
}

// Five alike, face f. Its own list names no number category but f's; should only those be
// left, the first open of Sixes down to Ones is taken, as on the earlier throws.
void TYachtWindow::ChooseForAllAlike() {
  const int f = Die[1].Face;
  if (WriteIfOpen(kBexil) || WriteIfOpen(kFourOfAKind) || WriteIfOpen(NumberCategory(f))) return;
  WriteFirstOpen({kChoice, kSmallStraight, kFullHouse, kLargeStraight,  //
                  kSixes, kFives, kFours, kThrees, kTwos, kOnes});
}

// Four alike (held), face f.
void TYachtWindow::ChooseForFourAlike() {
  const int f = FaceOfHeld(Die);
  if (WriteIfOpen(kFourOfAKind) || WriteIfOpen(NumberCategory(f))) return;
  WriteFirstOpen({kChoice, kOnes, kTwos, kThrees, kFours, kSmallStraight, kFives, kSixes,
                  kFullHouse, kLargeStraight, kBexil});
}

void TYachtWindow::ChooseForLargeStraight() {
  if (WriteIfOpen(kLargeStraight)) return;
  ChooseForSmallStraight();
}

// A run of four. With Small Straight written, a face shown twice is worth its number
// category: the lowest such face first, then the faces above it.
void TYachtWindow::ChooseForSmallStraight() {
  if (WriteIfOpen(kSmallStraight)) return;
  int a = 0;
  for (int face = 6; face >= 1; --face)
    if (ai::Count(Die, face) >= 2) a = face;
  if (a > 0) {
    for (int face = a; face <= 6; ++face)
      if (WriteIfOpen(NumberCategory(face))) return;
  }
  WriteFirstOpen({kChoice, kOnes, kTwos, kThrees, kFours, kFives, kSixes, kFullHouse, kFourOfAKind,
                  kLargeStraight, kBexil});
}

// Three alike of face t (held) and a pair of face p.
void TYachtWindow::ChooseForFullHouse() {
  const int t = FaceOfHeld(Die);
  const int p = FaceOfUnheld(Die);
  if (WriteIfOpen(kFullHouse) || WriteIfOpen(NumberCategory(t)) || WriteIfOpen(NumberCategory(p)))
    return;
  WriteFirstOpen({kChoice, kOnes, kTwos, kThrees, kFours, kFives, kSixes, kFourOfAKind,
                  kSmallStraight, kLargeStraight, kBexil});
}

// Three alike of face t (held).
void TYachtWindow::ChooseForThreeAlike() {
  const int t = FaceOfHeld(Die);
  if (WriteIfOpen(NumberCategory(t))) return;
  WriteFirstOpen({kChoice, kOnes, kTwos, kThrees, kSmallStraight, kFours, kFives, kSixes,
                  kFullHouse, kFourOfAKind, kLargeStraight, kBexil});
}

// Two pairs: here the lower pair goes first.
void TYachtWindow::ChooseForTwoPairs() {
  const int low = PairFace(1);
  const int high = PairFace(2);
  if (WriteIfOpen(NumberCategory(low)) || WriteIfOpen(NumberCategory(high))) return;
  WriteFirstOpen({kChoice, kOnes, kTwos, kThrees, kFours, kSmallStraight, kFives, kSixes,
                  kFullHouse, kFourOfAKind, kLargeStraight, kBexil});
}

// One pair of face p (held).
void TYachtWindow::ChooseForPair() {
  const int p = FaceOfHeld(Die);
  if (WriteIfOpen(NumberCategory(p))) return;
  WriteFirstOpen({kChoice, kOnes, kTwos, kThrees, kSmallStraight, kFours, kFives, kSixes,
                  kFullHouse, kFourOfAKind, kLargeStraight, kBexil});
}

// Five different faces without a run of four.
void TYachtWindow::ChooseForNothing() {
  WriteFirstOpen({kOnes, kTwos, kThrees, kFours, kSmallStraight, kFives, kSixes, kChoice,
                  kFullHouse, kFourOfAKind, kLargeStraight, kBexil});
}

}  // namespace ossaric
