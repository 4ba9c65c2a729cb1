// The best-play table against figures worked out by other means: closed forms for one open
// category, the value of the empty sheet, and a slow evaluation that throws every ordered
// outcome of the dice and tries every set of dice to keep.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "ai/solver.h"
#include "game/records.h"

namespace ossaric::ai {
namespace {

using Sorted = std::vector<int>;

// Optimal play by plain enumeration: 6^n ordered outcomes for n thrown dice, 32 keeps by die.
class SlowPlay {
 public:
  double Value(OpenSet open) {
    if (open == 0) return 0;
    auto found = value_.find(open);
    if (found != value_.end()) return found->second;
    Level level{open, this, {}, {}};
    const double v = level.Throw(2, {});
    value_[open] = v;
    return v;
  }

  // Expected points to come after keeping `kept` with `throwsAfter` throws after this one.
  double AfterKeep(OpenSet open, const Sorted& kept, int throwsAfter) {
    Level level{open, this, {}, {}};
    return level.Throw(throwsAfter, kept);
  }

  double Write(OpenSet open, const Sorted& roll) {
    double best = -1;
    Faces f{roll[0], roll[1], roll[2], roll[3], roll[4]};
    for (int k = 1; k <= kCategoryCount; ++k)
      if (open & CategoryBit(k))
        best = std::max(best, CategoryPoints(k, f) + Value(open & ~CategoryBit(k)));
    return best;
  }

 private:
  struct Level {
    OpenSet open;
    SlowPlay* play;
    std::map<std::pair<int, Sorted>, double> thrown, best;

    double Throw(int after, const Sorted& kept) {
      auto key = std::make_pair(after, kept);
      if (auto it = thrown.find(key); it != thrown.end()) return it->second;
      const int n = 5 - static_cast<int>(kept.size());
      int outcomes = 1;
      for (int i = 0; i < n; ++i) outcomes *= 6;
      double sum = 0;
      for (int o = 0; o < outcomes; ++o) {
        Sorted roll = kept;
        for (int i = 0, x = o; i < n; ++i, x /= 6) roll.push_back(x % 6 + 1);
        std::sort(roll.begin(), roll.end());
        sum += Best(after, roll);
      }
      return thrown[key] = sum / outcomes;
    }

    double Best(int throwsLeft, const Sorted& roll) {
      auto key = std::make_pair(throwsLeft, roll);
      if (auto it = best.find(key); it != best.end()) return it->second;
      double b = play->Write(open, roll);
      if (throwsLeft > 0)
        for (int mask = 0; mask < 31; ++mask) {
          Sorted kept;
          for (int i = 0; i < 5; ++i)
            if (mask >> i & 1) kept.push_back(roll[i]);
          b = std::max(b, Throw(throwsLeft - 1, kept));
        }
      return best[key] = b;
    }
  };

  std::map<OpenSet, double> value_;
};

TEST(Solver, ValuesAgreeWithClosedFormsAndTheEmptySheet) {
  const TSolver& s = TSolver::Get();
  const double miss = 1 - std::pow(5.0 / 6.0, 3);
  for (int face = 1; face <= 6; ++face) {
    SCOPED_TRACE(face);
    EXPECT_NEAR(s.Value(CategoryBit(kOnes + 1 - face)), 5 * face * miss, 1e-9);
  }
  EXPECT_NEAR(s.Value(CategoryBit(kChoice)), 70.0 / 3.0, 1e-9);
  EXPECT_NEAR(s.Value(CategoryBit(kBexil)), 50.0 * 347897 / 7558272, 1e-9);
  EXPECT_NEAR(s.Value(kAllOpen), 176.10, 0.005);
  EXPECT_EQ(s.Value(0), 0);
  // The table built into the program is the one worked out here.
  const TSolver fresh(nullptr);
  for (OpenSet open = 0; open <= kAllOpen; ++open)
    ASSERT_EQ(fresh.Value(open), s.Value(open)) << open;
}

TEST(Solver, AgreesWithSlowPlayOnSmallSheetsAndPositions) {
  const TSolver& s = TSolver::Get();
  SlowPlay slow;
  const OpenSet sets[] = {
      CategoryBit(kFullHouse) | CategoryBit(kSmallStraight),
      CategoryBit(kFourOfAKind) | CategoryBit(kLargeStraight) | CategoryBit(kTwos),
      CategoryBit(kBexil) | CategoryBit(kSixes) | CategoryBit(kChoice),
  };
  for (OpenSet open : sets) {
    SCOPED_TRACE(open);
    EXPECT_NEAR(s.Value(open), slow.Value(open), 1e-9);
  }

  // Positions inside a turn: the best throw and every write.
  struct Case {
    OpenSet open;
    Faces faces;
    DiceSet inCup;
    int throwsLeft;
  };
  const OpenSet three = sets[2];
  const Case cases[] = {
      {three, {6, 6, 2, 3, 6}, {}, 2},
      {three, {6, 6, 2, 3, 6}, {false, false, true, false, false}, 2},  // the 2 is in the cup
      {three, {1, 2, 3, 4, 6}, {}, 1},
      {sets[1], {2, 3, 4, 5, 5}, {}, 1},
      {sets[1], {2, 3, 4, 5, 5}, {true, true, true, true, true}, 2},  // a turn's start
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.faces[0] << c.faces[1] << c.faces[2] << c.faces[3]
                                    << c.faces[4] << " left " << c.throwsLeft);
    TPosition p;
    p.open = c.open;
    p.total = 40;
    p.faces = c.faces;
    p.inCup = c.inCup;
    p.throwsLeft = c.throwsLeft;
    p.mayWrite = true;
    const TAdvice a = s.Advise(p);
    double bestThrow = -1;
    for (int mask = 0; mask < 32; ++mask) {
      Sorted kept;
      bool allowed = mask != 31;
      for (int i = 0; i < 5; ++i) {
        if (!(mask >> i & 1)) continue;
        allowed = allowed && !c.inCup[i];
        kept.push_back(c.faces[i]);
      }
      if (!allowed) continue;
      std::sort(kept.begin(), kept.end());
      bestThrow = std::max(bestThrow, 40 + slow.AfterKeep(c.open, kept, c.throwsLeft - 1));
    }
    ASSERT_TRUE(a.canThrow);
    EXPECT_NEAR(a.bestThrow.expected, bestThrow, 1e-9);
    for (int i = 0; i < 5; ++i) {
      if (c.inCup[i]) {
        EXPECT_FALSE(a.bestThrow.keep[i]) << "die " << i + 1 << " is in the cup";
      }
    }
    EXPECT_NEAR(s.ActionValue(p, a.bestThrow), a.bestThrow.expected, 1e-12);
    double bestWrite = -1;
    for (const TAction& w : a.writes) {
      bestWrite = std::max(bestWrite, w.expected);
      EXPECT_NEAR(s.ActionValue(p, w), w.expected, 1e-12);
    }
    EXPECT_NEAR(a.best.expected, std::max(bestThrow, bestWrite), 1e-9);
  }
}

TEST(Solver, AnswersOnlyWhatTheRulesAllow) {
  const TSolver& s = TSolver::Get();
  TPosition p;
  p.open = CategoryBit(kBexil) | CategoryBit(kChoice);
  p.faces = {5, 5, 5, 5, 5};
  p.mayWrite = true;
  p.throwsLeft = 0;  // the third throw is made: writing only
  TAdvice a = s.Advise(p);
  EXPECT_FALSE(a.canThrow);
  ASSERT_EQ(a.writes.size(), 2u);
  EXPECT_EQ(a.best.category, kBexil);
  EXPECT_NEAR(a.best.expected, 50 + 70.0 / 3.0, 1e-9);

  p.throwsLeft = 2;  // five alike after the first throw: written at once, though a throw is open
  a = s.Advise(p);
  EXPECT_TRUE(a.canThrow);
  EXPECT_EQ(a.best.category, kBexil);

  p.mayWrite = false;  // a turn's start: throw everything, no write
  p.inCup = {true, true, true, true, true};
  p.throwsLeft = 3;
  a = s.Advise(p);
  EXPECT_TRUE(a.writes.empty());
  EXPECT_EQ(a.best.category, 0);
  EXPECT_NEAR(a.best.expected, s.Value(p.open), 1e-9);

  p.open = 0;  // a full column: nothing to advise
  EXPECT_FALSE(s.Advise(p).any);
}

}  // namespace
}  // namespace ossaric::ai
