// The computer's category choice after its third throw, and whole turns, on the game model.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ai_model_fixture.h"

namespace ossaric {
namespace {

using namespace testing;  // the computer's model fixture, Dice, AllBut

// ---- Category choice after the third throw ----

struct ChooseCase {
  const char* what;
  Dice faces;
  std::vector<int> written;
  int writes;
  int points;
};

TEST_F(ComputerModel, ChoosersTakeTheFirstOpenOfTheirLists) {
  const ChooseCase cases[] = {
      {"large straight, LS written", {1, 2, 3, 4, 5}, {kLargeStraight}, kSmallStraight, 15},
      {"large straight, both straights written: on to the pair-less list",
       {1, 2, 3, 4, 5},
       {kLargeStraight, kSmallStraight},
       kChoice,
       15},
      {"2-2-3-4-5, SS and Twos written: Threes",
       {2, 2, 3, 4, 5},
       {kSmallStraight, kTwos},
       kThrees,
       3},
      {"1-2-3-4-4, SS and Fours written: Fives, rising from the pair",
       {1, 2, 3, 4, 4},
       {kSmallStraight, kFours},
       kFives,
       0},
      {"1-2-3-4-4, SS, 4s, 5s, 6s written: the list's Choice",
       {1, 2, 3, 4, 4},
       {kSmallStraight, kFours, kFives, kSixes},
       kChoice,
       14},
      {"{1,2,3,5,6}, Ones..Fours written: SS with 0",
       {1, 2, 3, 5, 6},
       {kOnes, kTwos, kThrees, kFours},
       kSmallStraight,
       0},
      {"1-2-4-5-6, Ones open", {1, 2, 4, 5, 6}, {}, kOnes, 1},
      {"1-2-4-5-6, numbers written: SS with 0 before Choice",
       {1, 2, 4, 5, 6},
       {kOnes, kTwos, kThrees, kFours, kFives, kSixes},
       kSmallStraight,
       0},
      {"five 4s, Bexil written", {4, 4, 4, 4, 4}, {kBexil}, kFourOfAKind, 20},
      {"five 4s, Bexil and 4K written: Fours", {4, 4, 4, 4, 4}, {kBexil, kFourOfAKind}, kFours, 20},
      {"five 2s, only Fives and Ones open: Fives first",
       {2, 2, 2, 2, 2},
       AllBut({kFives, kOnes}),
       kFives,
       0},
      {"five 2s, only Ones open", {2, 2, 2, 2, 2}, AllBut({kOnes}), kOnes, 0},
      {"five 6s, only Full House and Threes open: Full House",
       {6, 6, 6, 6, 6},
       AllBut({kFullHouse, kThrees}),
       kFullHouse,
       0},
      {"3-3-3-5-5, FH and Threes written: Fives",
       {3, 3, 3, 5, 5},
       {kFullHouse, kThrees},
       kFives,
       10},
      {"5-3-5-3-3, FH open", {5, 3, 5, 3, 3}, {}, kFullHouse, 19},
      {"2-2-5-5-6, Twos and Fives open: Twos", {2, 2, 5, 5, 6}, {}, kTwos, 4},
      {"2-2-5-5-6, Twos written: Fives", {2, 2, 5, 5, 6}, {kTwos}, kFives, 10},
      {"3-3-1-5-6 pair, Threes written: Choice", {3, 3, 1, 5, 6}, {kThrees}, kChoice, 18},
      {"6-6-6-1-2, t written, list to SS before Fours",
       {6, 6, 6, 1, 2},
       {kSixes, kChoice, kOnes, kTwos, kThrees},
       kSmallStraight,
       0},
      {"6-6-6-6-1, 4K and Sixes written: Choice",
       {6, 6, 6, 6, 1},
       {kFourOfAKind, kSixes},
       kChoice,
       25},
      {"6-6-6-6-1, down to SS before Fives",
       {6, 6, 6, 6, 1},
       {kFourOfAKind, kSixes, kChoice, kOnes, kTwos, kThrees, kFours},
       kSmallStraight,
       0},
      {"5-5-2-1-6 pair list: SS after Threes",
       {5, 5, 2, 1, 6},
       {kFives, kChoice, kOnes, kTwos, kThrees},
       kSmallStraight,
       0},
      {"5-5-2-2-6 two pairs: SS after Fours",
       {5, 5, 2, 2, 6},
       {kFives, kTwos, kChoice, kOnes, kThrees},
       kFours,
       0},
      {"1-2-4-5-6 nothing: Choice after Sixes",
       {1, 2, 4, 5, 6},
       {kOnes, kTwos, kThrees, kFours, kSmallStraight, kFives, kSixes},
       kChoice,
       18},
  };
  for (const ChooseCase& c : cases) {
    SCOPED_TRACE(c.what);
    Table(c.faces, c.written, 3);
    computer_.ChooseComputerCategory();
    const int wrote = Written(c.written);
    EXPECT_EQ(wrote, c.writes) << "category " << wrote;
    if (c.writes > 0) {
      EXPECT_EQ(game_.Sheet[0].Entry[c.writes], c.points);
    }
    EXPECT_EQ(game_.ComputerDone, 0);
  }
}

// Every multiset of five faces against the sets of open categories where a gap in a list
// would show: one or two open, all but one, all twelve, and random sets between. The chooser on the
// final throw writes exactly one category, an open one. (ossaric-aistats --exhaustive runs all 4095
// open sets.)
TEST_F(ComputerModel, ChooserAlwaysWritesExactlyOneOpenCategory) {
  std::vector<Dice> throws;
  for (int a = 1; a <= 6; ++a)
    for (int b = a; b <= 6; ++b)
      for (int c = b; c <= 6; ++c)
        for (int d = c; d <= 6; ++d)
          for (int e = d; e <= 6; ++e) throws.push_back({a, b, c, d, e});
  ASSERT_EQ(throws.size(), 252u);
  std::vector<int> masks;
  std::mt19937 pick(5);
  for (int open = 1; open < (1 << 12); ++open) {
    const int n = __builtin_popcount(open);
    if (n <= 2 || n >= 11 || pick() % 128 == 0) masks.push_back(open);
  }
  int failures = 0;
  for (size_t m = 0; m < masks.size() && failures < 5; ++m) {
    const int open = masks[m];
    std::vector<int> written;
    for (int k = 1; k <= 12; ++k)
      if ((open & (1 << (k - 1))) == 0) written.push_back(k);
    for (const Dice& faces : throws) {
      Table(faces, written, 3);
      for (int i = 1; i <= 5; ++i) game_.Die[i].InCup = 1;  // scores the same, saves the slide
      computer_.ChooseComputerCategory();
      if (Written(written) <= 0) {
        ADD_FAILURE() << "dice " << faces[0] << faces[1] << faces[2] << faces[3] << faces[4]
                      << " open mask " << open << ": wrote " << Written(written);
        ++failures;
      }
    }
    if (m % 64 == 0) show_.calls.clear();
  }
}

// ---- Whole turns ----

TEST_F(ComputerModel, FourOfAKindTurnFromThreeTwos) {
  const int start = show_.waited;
  ComputerTurn({2, 3, 4, 2, 2, /*dice 2, 3:*/ 6, 1, /*dice 2, 3:*/ 1, 2});
  EXPECT_EQ(game_.Sheet[0].Entry[kFourOfAKind], 9);
  EXPECT_EQ(game_.Sheet[0].Total, 9);
  EXPECT_EQ(Written({}), kFourOfAKind);
  EXPECT_EQ(game_.Die[1].Face, 2);
  EXPECT_EQ(game_.Die[2].Face, 1);
  EXPECT_EQ(game_.Die[3].Face, 2);
  EXPECT_EQ(game_.SavedThrows, 3);
  // Three throws, each followed by its pause; without sound and animation nothing else waits.
  EXPECT_EQ(show_.waited - start, 3 * 1500);
}

TEST_F(ComputerModel, FivesTurnFromTwoPairs) {
  ComputerTurn({1, 5, 6, 6, 5, /*die 1:*/ 2, /*die 1:*/ 3});
  EXPECT_EQ(Written({}), kFives);
  EXPECT_EQ(game_.Sheet[0].Entry[kFives], 10);
  EXPECT_EQ(game_.Die[1].Face, 3);
  EXPECT_EQ(game_.SavedThrows, 3);
}

TEST_F(ComputerModel, TurnEndsCleanAndUndoOffersNothing) {
  show_.calls.clear();
  ComputerTurn({6, 6, 6, 6, 6});  // Bexil at once
  EXPECT_EQ(game_.Sheet[0].Entry[kBexil], 50);
  EXPECT_EQ(game_.SavedThrows, 1);
  EXPECT_EQ(game_.ComputerBusy, 0);
  EXPECT_EQ(game_.LastCategory, 0);
  EXPECT_EQ(game_.UndoScore, 0);
  EXPECT_EQ(game_.UndoReturn, 0);
  EXPECT_EQ(game_.CurrentPlayer, 0);
  EXPECT_EQ(game_.NextPlayerPending, 1);
  EXPECT_EQ(game_.DiceInCup, 5);
  // The wait pointer for the turn, the arrow at its end.
  const std::vector<std::string> pointers = show_.Only("pointer");
  ASSERT_GE(pointers.size(), 2u);
  EXPECT_EQ(pointers.front(), "pointer wait");
  EXPECT_NE(std::find(pointers.begin(), pointers.end(), "pointer arrow"), pointers.end());
  game_.Undo();
  EXPECT_EQ(game_.Sheet[0].Entry[kBexil], 50);
  EXPECT_EQ(game_.Sheet[0].Total, 50);
  EXPECT_EQ(game_.NextPlayerPending, 1);
}

TEST_F(ComputerModel, MarksFromAnEarlierThrowAreNotSeen) {
  // A mark left on die 1 would keep the 5 of 5-3-3-1-6 with the pair of 3s; cleared, dice 1,
  // 4 and 5 go back, come up 3s and make a Bexil.
  game_.Die[1].Keep = 1;
  game_.Die[4].Keep = 1;
  game_.Die[1].Work1 = 6;
  game_.Die[1].Work2 = 6;
  ComputerTurn({5, 3, 3, 1, 6, 3, 3, 3});
  EXPECT_EQ(Written({}), kBexil);
  EXPECT_EQ(game_.Sheet[0].Entry[kBexil], 50);
}

}  // namespace
}  // namespace ossaric
