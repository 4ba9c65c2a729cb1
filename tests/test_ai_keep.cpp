// The computer's keep rules after its first and second throws, on the game model.
#include <gtest/gtest.h>

#include "ai_model_fixture.h"

namespace ossaric {
namespace {

using namespace testing;  // the computer's model fixture, Dice, AllBut

// ---- Keep decisions after a first or second throw ----

struct KeepCase {
  const char* what;
  Dice faces;
  std::vector<int> written;
  int writes;                 // the category written at once, or 0
  int points;                 // its points
  std::vector<int> returned;  // otherwise: the dice thrown again
};

TEST_F(ComputerModel, KeepRulesHoldOrWriteAsTheirListsSay) {
  const KeepCase cases[] = {
      {"five 2s, Bexil/4K/FH written: Sixes scratched",
       {2, 2, 2, 2, 2},
       {kBexil, kFourOfAKind, kFullHouse},
       kSixes,
       0,
       {}},
      {"five alike, Bexil written: die 5 again", {4, 4, 4, 4, 4}, {kBexil}, 0, 0, {5}},
      {"five alike, Bexil/4K written: dice 4 and 5 again",
       {4, 4, 4, 4, 4},
       {kBexil, kFourOfAKind},
       0,
       0,
       {4, 5}},
      {"five alike, only straights and Choice open: die 1 stays",
       {1, 1, 1, 1, 1},
       AllBut({kLargeStraight, kSmallStraight, kChoice}),
       0,
       0,
       {2, 3, 4, 5}},
      {"five 3s, only Choice: all back", {3, 3, 3, 3, 3}, AllBut({kChoice}), 0, 0, {1, 2, 3, 4, 5}},
      {"five 5s, only Choice: written", {5, 5, 5, 5, 5}, AllBut({kChoice}), kChoice, 25, {}},
      {"five 4s, only Choice: written", {4, 4, 4, 4, 4}, AllBut({kChoice}), kChoice, 20, {}},
      {"1-2-3-4-4, LS open: the second 4 again", {1, 2, 3, 4, 4}, {}, 0, 0, {5}},
      {"1-2-3-4-4, both straights written: a = 4 stays",
       {1, 2, 3, 4, 4},
       {kLargeStraight, kSmallStraight},
       0,
       0,
       {1, 2, 3}},
      {"1-2-3-4-4, a = 4 stays for an open Fives",
       {1, 2, 3, 4, 4},
       AllBut({kFives, kOnes, kChoice}),
       0,
       0,
       {1, 2, 3}},
      {"2-3-4-5-5, only Ones above nothing: chase Ones, all back",
       {2, 3, 4, 5, 5},
       AllBut({kOnes, kChoice}),
       0,
       0,
       {1, 2, 3, 4, 5}},
      {"3-4-5-6-6 LS open: the second 6 again", {3, 4, 5, 6, 6}, {}, 0, 0, {5}},
      {"3-4-5-6-6 only SS: written", {3, 4, 5, 6, 6}, {kLargeStraight}, kSmallStraight, 15, {}},
      {"large straight, LS written: SS at once",
       {2, 3, 4, 5, 6},
       {kLargeStraight},
       kSmallStraight,
       15,
       {}},
      {"large straight, LS open", {5, 4, 3, 2, 1}, {}, kLargeStraight, 30, {}},
      {"3-3-3-5-6, Bexil written, 4K open: 5 and 6 again", {3, 3, 3, 5, 6}, {kBexil}, 0, 0, {4, 5}},
      {"4-1-4-4-6, Fours open: 1 and 6 again",
       {4, 1, 4, 4, 6},
       {kBexil, kFourOfAKind, kFullHouse},
       0,
       0,
       {2, 5}},
      {"4-1-4-4-6 large chase: last 4 and the 1 stay, the 6 trimmed",
       {4, 1, 4, 4, 6},
       AllBut({kLargeStraight, kSmallStraight, kChoice}),
       0,
       0,
       {1, 3, 5}},
      {"2-2-5-5-6, FH written, Twos and Fives open: 5s stay",
       {2, 2, 5, 5, 6},
       {kFullHouse},
       0,
       0,
       {1, 2, 5}},
      {"2-2-5-5-6, FH and Fives written: 2s stay",
       {2, 2, 5, 5, 6},
       {kFullHouse, kFives},
       0,
       0,
       {3, 4, 5}},
      {"2-2-5-5-6, FH open: odd die again", {2, 2, 5, 5, 6}, {}, 0, 0, {5}},
      {"two pairs, Bexil/4K left after straights: higher pair stays",
       {2, 2, 5, 5, 6},
       AllBut({kFourOfAKind, kChoice}),
       0,
       0,
       {1, 2, 5}},
      {"1-1-5-5-3 small chase: second 1 and the 3 stay",
       {1, 1, 5, 5, 3},
       AllBut({kSmallStraight, kChoice}),
       0,
       0,
       {1, 3, 4}},
      {"{1,2,3,5,6}, LS open: only the 1 again", {1, 2, 3, 5, 6}, {}, 0, 0, {1}},
      {"{6,2,1,5,3}, LS open: only the 1 again", {6, 2, 1, 5, 3}, {}, 0, 0, {3}},
      {"{1,2,3,5,6}, SS open: 1 and 2 again", {1, 2, 3, 5, 6}, {kLargeStraight}, 0, 0, {1, 2}},
      {"{1,2,4,5,6}, numbers written, FH open: die 5 stays",
       {1, 2, 4, 5, 6},
       AllBut({kFullHouse, kChoice}),
       0,
       0,
       {1, 2, 3, 4}},
      {"{1,2,4,5,6}, only Choice: 1 and 2 again", {1, 2, 4, 5, 6}, AllBut({kChoice}), 0, 0, {1, 2}},
      {"5-5-5-6-6, Threes to chase, no 3 shown: all back",
       {5, 5, 5, 6, 6},
       {kFullHouse, kBexil, kFourOfAKind, kFives, kSixes, kOnes, kTwos},
       0,
       0,
       {1, 2, 3, 4, 5}},
      {"5-5-5-6-6, Bexil open: the pair again", {5, 5, 5, 6, 6}, {kFullHouse}, 0, 0, {4, 5}},
      {"2-2-3-3-3 large chase: last 3 and first 2 stay",
       {2, 2, 3, 3, 3},
       AllBut({kLargeStraight, kChoice}),
       0,
       0,
       {2, 3, 4}},
      {"only Choice, 4-5-5-6-6: written at once",
       {4, 5, 5, 6, 6},
       AllBut({kChoice}),
       kChoice,
       26,
       {}},
      {"only Choice, 2-5-5-6-6: the 2 again", {2, 5, 5, 6, 6}, AllBut({kChoice}), 0, 0, {1}},
      {"6-3-6-6-6, FH open: first 6 and the 3 again",
       {6, 3, 6, 6, 6},
       {kBexil, kFourOfAKind},
       0,
       0,
       {1, 2}},
      {"6-3-6-6-6, 4K open: written", {6, 3, 6, 6, 6}, {kBexil}, kFourOfAKind, 27, {}},
      {"6-3-6-6-6, Sixes open: the 3 again",
       {6, 3, 6, 6, 6},
       {kBexil, kFourOfAKind, kFullHouse},
       0,
       0,
       {2}},
      {"6-6-1-6-6 large chase: the 1 trims the 6s",
       {6, 6, 1, 6, 6},
       AllBut({kLargeStraight, kChoice}),
       0,
       0,
       {1, 2, 4, 5}},
      {"6-6-2-6-6 small chase: last 6 and the 2, no 1 so the 2 goes",
       {6, 6, 2, 6, 6},
       AllBut({kSmallStraight, kChoice}),
       0,
       0,
       {1, 2, 3, 4}},
      {"3-3-1-2-6 pair, Threes written: large chase before Ones",
       {3, 3, 1, 2, 6},
       {kThrees},
       0,
       0,
       {1, 5}},
      {"3-3-1-2-6 pair, Threes open: the others again", {3, 3, 1, 2, 6}, {}, 0, 0, {3, 4, 5}},
      {"3-3-1-2-6 pair, numbers first only after straights",
       {3, 3, 1, 2, 6},
       {kThrees, kLargeStraight, kSmallStraight},
       0,
       0,
       {1, 2, 4, 5}},
  };
  for (const KeepCase& c : cases) {
    SCOPED_TRACE(c.what);
    Table(c.faces, c.written, 1);
    computer_.DecideKeep();
    const int wrote = Written(c.written);
    EXPECT_EQ(wrote, c.writes) << "category " << wrote;
    if (c.writes != 0) {
      EXPECT_EQ(game_.ComputerDone, 1);
      EXPECT_EQ(game_.Sheet[0].Entry[c.writes], c.points);
    } else {
      EXPECT_EQ(game_.ComputerDone, 0);
      EXPECT_EQ(InCup(), c.returned);
      EXPECT_EQ(game_.DiceInCup, static_cast<int>(c.returned.size()));
    }
  }
}

}  // namespace
}  // namespace ossaric
