#include <gtest/gtest.h>

#include <climits>

#include "game/scoring.h"
#include "model_fixture.h"

namespace ossaric {
namespace {

TEST(Scoring, WorkedExamplesScoreEveryCategory) {
  struct Case {
    Faces faces;
    int points[13];  // index 1..12
  };
  const Case cases[] = {
      {{2, 3, 4, 5, 6}, {0, 0, 30, 15, 0, 0, 6, 5, 4, 3, 2, 0, 20}},
      {{4, 4, 4, 4, 4}, {0, 50, 0, 0, 20, 0, 0, 0, 20, 0, 0, 0, 20}},
      {{1, 1, 1, 6, 6}, {0, 0, 0, 0, 0, 15, 12, 0, 0, 0, 0, 3, 15}},
      {{3, 3, 3, 3, 5}, {0, 0, 0, 0, 17, 0, 0, 5, 0, 12, 0, 0, 17}},
      {{6, 1, 3, 2, 4}, {0, 0, 0, 15, 0, 0, 6, 0, 4, 3, 2, 1, 16}},
      {{1, 2, 3, 4, 5}, {0, 0, 30, 15, 0, 0, 0, 5, 4, 3, 2, 1, 15}},
      {{6, 6, 6, 6, 6}, {0, 50, 0, 0, 30, 0, 30, 0, 0, 0, 0, 0, 30}},
      {{2, 2, 3, 3, 3}, {0, 0, 0, 0, 0, 13, 0, 0, 0, 9, 4, 0, 13}},
      {{1, 3, 4, 5, 6}, {0, 0, 0, 15, 0, 0, 6, 5, 4, 3, 0, 1, 19}},
      {{1, 2, 3, 5, 6}, {0, 0, 0, 0, 0, 0, 6, 5, 0, 3, 2, 1, 17}},
  };
  for (const Case& c : cases) {
    for (int k = 1; k <= 12; ++k) {
      EXPECT_EQ(CategoryPoints(k, c.faces), c.points[k])
          << "category " << k << " faces " << c.faces[0] << c.faces[1] << c.faces[2] << c.faces[3]
          << c.faces[4];
    }
  }
  EXPECT_EQ(CategoryPoints(0, {1, 1, 1, 1, 1}), 0);
  EXPECT_EQ(CategoryPoints(13, {1, 1, 1, 1, 1}), 0);
  // A garbled face is no face: it adds nothing to a sum, and the largest faces do not overflow.
  EXPECT_EQ(CategoryPoints(kChoice, {1, INT_MAX, INT_MAX, 6, 0}), 7);
  EXPECT_EQ(CategoryPoints(kFourOfAKind, {5, 5, 5, 5, INT_MAX}), 20);
  EXPECT_EQ(CategoryPoints(kFullHouse, {2, 2, 3, 3, 3}), 13);
  EXPECT_EQ(CategoryPoints(kChoice, {INT_MIN, -1, 7, 3, 3}), 6);
}

// The pattern tests on the dice of a game model.
class Patterns : public testing::ModelTest {
 protected:
  void Faces(const std::array<int, 5>& f) { Table().Dice(f); }
  std::string Kept() {
    std::string s;
    for (int i = 1; i <= 5; ++i) s += game_.Die[i].Keep ? '1' : '0';
    return s;
  }
};

// A total set far out of range by a garbled state takes a score, and its Undo, without wrapping
// around to the other end of the range.
TEST_F(Patterns, TotalsHoldAtTheEndsOfTheRange) {
  struct Case {
    int total, points, expect;
  } cases[] = {{10, 5, 15},
               {INT_MAX - 10, 5, INT_MAX - 5},
               {INT_MAX, 30, INT_MAX},
               {INT_MIN, -1, INT_MIN},
               {-5, -INT_MAX, INT_MIN},
               {INT_MIN, 50, INT_MIN + 50}};
  for (const Case& c : cases) EXPECT_EQ(AddToTotal(c.total, c.points), c.expect) << c.total;

  Table().Players(1).Dice({6, 6, 6, 6, 5}).AfterThrow(1).Total(1, 2147483640);
  game_.PressBoard({TargetKind::Row, kChoice});
  EXPECT_EQ(game_.Sheet[1].Entry[kChoice], 29);
  EXPECT_EQ(game_.Sheet[1].Total, INT_MAX);
  Table().Total(1, -2147483640);
  game_.Undo();
  EXPECT_EQ(game_.Sheet[1].Entry[kChoice], -1);
  EXPECT_EQ(game_.Sheet[1].Total, INT_MIN);
}

TEST_F(Patterns, TestsAnswerAndMarkTheirDice) {
  Faces({2, 2, 5, 5, 3});
  EXPECT_TRUE(game_.MarkTwoPairs());
  EXPECT_EQ(Kept(), "11110");
  EXPECT_EQ(game_.PairFace(1), 2);
  EXPECT_EQ(game_.PairFace(2), 5);
  Faces({2, 2, 5, 5, 3});
  EXPECT_TRUE(game_.MarkPair());
  EXPECT_EQ(Kept(), "11000");
  Faces({3, 4, 5, 6, 6});
  EXPECT_TRUE(game_.MarkSmallStraight());
  EXPECT_EQ(Kept(), "11110");
  // Two runs present: 1-2-3-4 and 2-3-4-5 keep one die per face of both.
  Faces({5, 4, 3, 2, 1});
  EXPECT_TRUE(game_.MarkSmallStraight());
  EXPECT_EQ(Kept(), "11111");
  // MarkSmallStraight starts from a clean slate, even when it answers false.
  Faces({1, 1, 6, 6, 3});
  game_.Die[1].Keep = 1;
  EXPECT_FALSE(game_.MarkSmallStraight());
  EXPECT_EQ(Kept(), "00000");
  // A single pair: marked, first pair face set, answer false.
  Faces({4, 4, 1, 2, 6});
  EXPECT_FALSE(game_.MarkTwoPairs());
  EXPECT_EQ(Kept(), "11000");
  EXPECT_EQ(game_.PairFace(1), 4);
  // A three with no pair still marks the three.
  Faces({6, 1, 6, 2, 6});
  EXPECT_FALSE(game_.MarkFullHouse());
  EXPECT_EQ(Kept(), "10101");
  Faces({6, 1, 6, 1, 6});
  EXPECT_TRUE(game_.MarkFullHouse());
  EXPECT_EQ(Kept(), "10101");
  // Five alike is not four alike, nor three alike.
  Faces({3, 3, 3, 3, 3});
  EXPECT_TRUE(game_.IsAllAlike());
  EXPECT_FALSE(game_.MarkFourAlike());
  EXPECT_FALSE(game_.MarkThreeAlike());
  EXPECT_EQ(Kept(), "00000");
  Faces({3, 2, 3, 3, 3});
  EXPECT_TRUE(game_.MarkFourAlike());
  EXPECT_EQ(Kept(), "10111");
  // Marks add up across tests and are never cleared by a false answer.
  Faces({1, 1, 2, 3, 4});
  game_.Die[5].Keep = 1;
  EXPECT_FALSE(game_.MarkThreeAlike());
  EXPECT_EQ(Kept(), "00001");
  Faces({2, 3, 4, 5, 6});
  EXPECT_TRUE(game_.IsLargeStraight());
  Faces({1, 2, 3, 4, 6});
  EXPECT_FALSE(game_.IsLargeStraight());
}

}  // namespace
}  // namespace ossaric
