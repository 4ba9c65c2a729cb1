// The computer player: its keep rules after the first and second throws, its category choice
// after the third, and whole turns and games against it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "fixture.h"

namespace ossaric {
namespace {

using testing::GameTest;
using Dice = std::array<int, 5>;
using Dice5 = std::vector<int>;

const char* const kNames[] = {
    "",      "Bexil", "Large Straight", "Small Straight", "Four of a Kind", "Full House", "Sixes",
    "Fives", "Fours", "Threes",         "Twos",           "Ones",           "Choice"};

// Every category but those listed.
std::vector<int> AllBut(std::initializer_list<int> open) {
  std::vector<int> written;
  for (int k = 1; k <= 12; ++k)
    if (std::find(open.begin(), open.end(), k) == open.end()) written.push_back(k);
  return written;
}

class Computer : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    StartGame(0);
    W().State().AnimDelay = 0;
    W().State().SoundOn = 0;
  }

  // The dice lie on places 1..5 after the computer's `throws`-th throw; the categories in
  // `written` hold 0 in its column, every other one is open, and player 1's column is empty.
  void Table(const Dice& faces, const std::vector<int>& written, int throws) {
    TYachtWindow& w = W();
    w.Game().GameActive = 1;
    w.Game().PlayerCount = 0;
    w.Game().CurrentPlayer = 0;
    w.Game().ComputerBusy = 1;
    w.Game().ComputerDone = 0;
    w.Game().NextPlayerPending = 0;
    w.Game().ThrowsMade = throws;
    w.Game().ScoreAllowed = 1;
    w.Game().DiceInCup = 0;
    w.Game().Sheet[0] = TScoreColumn{};
    w.Game().Sheet[1] = TScoreColumn{};
    for (int k : written) w.Game().Sheet[0].Entry[k] = 0;
    for (int k = 1; k <= 20; ++k) w.Game().TableSlot[k].Occupied = k <= 5 ? 1 : 0;
    for (int i = 1; i <= 5; ++i) {
      w.Game().Die[i] = TDie{};
      w.Game().Die[i].Face = faces[i - 1];
      w.Game().Die[i].Slot = i;
      w.Game().Die[i].InCup = 0;
      w.Game().ToThrow[i] = 0;
    }
  }

  // The one category the computer wrote since Table(); 0 when none, -1 when more than one.
  int Written(const std::vector<int>& written) {
    int found = 0;
    for (int k = 1; k <= 12; ++k) {
      const bool was = std::find(written.begin(), written.end(), k) != written.end();
      if (!was && W().Game().Sheet[0].Entry[k] != -1) found = found == 0 ? k : -1;
    }
    return found;
  }

  std::vector<int> InCup() {
    std::vector<int> dice;
    for (int i = 1; i <= 5; ++i)
      if (W().Game().Die[i].InCup == 1) dice.push_back(i);
    return dice;
  }

  // Hands the cup from player 1 to the computer, whose throws take `faces` in order.
  void ComputerTurn(const std::deque<int>& faces) {
    runner_->Rand().ScriptFaces(faces);
    W().Game().CurrentPlayer = 1;
    W().Game().NextPlayerPending = 1;
    W().Game().NextPlayer();
  }

  bool SawEmptyCup() {
    for (const auto& m : Host().messages_)
      if (m.find("There are no dice in the cup") != std::string::npos) return true;
    return false;
  }
};

// ---- Keep decisions after a first or second throw ----

struct KeepCase {
  const char* what;
  Dice faces;
  std::vector<int> written;
  int writes;      // the category written at once, or 0
  int points;      // its points
  Dice5 returned;  // otherwise: the dice thrown again
};

TEST_F(Computer, KeepRulesHoldOrWriteAsTheirListsSay) {
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
    W().Computer().DecideKeep();
    const int wrote = Written(c.written);
    EXPECT_EQ(wrote, c.writes) << (wrote > 0 ? kNames[wrote] : "");
    if (c.writes != 0) {
      EXPECT_EQ(W().Game().ComputerDone, 1);
      EXPECT_EQ(W().Game().Sheet[0].Entry[c.writes], c.points);
    } else {
      EXPECT_EQ(W().Game().ComputerDone, 0);
      EXPECT_EQ(InCup(), c.returned);
      EXPECT_EQ(W().Game().DiceInCup, static_cast<int>(c.returned.size()));
    }
  }
}

// ---- Category choice after the third throw ----

struct ChooseCase {
  const char* what;
  Dice faces;
  std::vector<int> written;
  int writes;
  int points;
};

TEST_F(Computer, ChoosersTakeTheFirstOpenOfTheirLists) {
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
    W().Computer().ChooseComputerCategory();
    const int wrote = Written(c.written);
    EXPECT_EQ(wrote, c.writes) << (wrote > 0 ? kNames[wrote] : "");
    if (c.writes > 0) {
      EXPECT_EQ(W().Game().Sheet[0].Entry[c.writes], c.points);
    }
    EXPECT_EQ(W().Game().ComputerDone, 0);
  }
}

// Every multiset of five faces against the sets of open categories where a gap in a list
// would show: one or two open, all but one, all twelve, and random sets between. The chooser on the
// final throw writes exactly one category, an open one. (ossaric-aistats --exhaustive runs all 4095
// open sets.)
TEST_F(Computer, ChooserAlwaysWritesExactlyOneOpenCategory) {
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
      for (int i = 1; i <= 5; ++i) W().Game().Die[i].InCup = 1;  // scores the same, saves the slide
      W().Computer().ChooseComputerCategory();
      if (Written(written) <= 0) {
        ADD_FAILURE() << "dice " << faces[0] << faces[1] << faces[2] << faces[3] << faces[4]
                      << " open mask " << open << ": wrote " << Written(written);
        ++failures;
      }
    }
    if (m % 64 == 0) ClearOutput(), Host().events_.clear();
  }
}

// ---- Whole turns ----

TEST_F(Computer, FourOfAKindTurnFromThreeTwos) {
  const int start = static_cast<int>(Host().clock_);
  ComputerTurn({2, 3, 4, 2, 2, /*dice 2, 3:*/ 6, 1, /*dice 2, 3:*/ 1, 2});
  EXPECT_EQ(W().Game().Sheet[0].Entry[kFourOfAKind], 9);
  EXPECT_EQ(W().Game().Sheet[0].Total, 9);
  EXPECT_EQ(Written({}), kFourOfAKind);
  EXPECT_EQ(W().Game().Die[1].Face, 2);
  EXPECT_EQ(W().Game().Die[2].Face, 1);
  EXPECT_EQ(W().Game().Die[3].Face, 2);
  EXPECT_EQ(W().Game().SavedThrows, 3);
  // Three throws, each followed by its pause; without sound and animation nothing else waits.
  EXPECT_EQ(static_cast<int>(Host().clock_) - start, 3 * 1500);
}

TEST_F(Computer, FivesTurnFromTwoPairs) {
  ComputerTurn({1, 5, 6, 6, 5, /*die 1:*/ 2, /*die 1:*/ 3});
  EXPECT_EQ(Written({}), kFives);
  EXPECT_EQ(W().Game().Sheet[0].Entry[kFives], 10);
  EXPECT_EQ(W().Game().Die[1].Face, 3);
  EXPECT_EQ(W().Game().SavedThrows, 3);
}

TEST_F(Computer, TurnEndsCleanAndUndoOffersNothing) {
  Host().events_.clear();
  ComputerTurn({6, 6, 6, 6, 6});  // Bexil at once
  EXPECT_EQ(W().Game().Sheet[0].Entry[kBexil], 50);
  EXPECT_EQ(W().Game().SavedThrows, 1);
  EXPECT_EQ(W().Game().ComputerBusy, 0);
  EXPECT_EQ(W().Game().LastCategory, 0);
  EXPECT_EQ(W().Game().UndoScore, 0);
  EXPECT_EQ(W().Game().UndoReturn, 0);
  EXPECT_EQ(W().Game().CurrentPlayer, 0);
  EXPECT_EQ(W().Game().NextPlayerPending, 1);
  EXPECT_EQ(W().Game().DiceInCup, 5);
  // The wait cursor for the turn, the arrow at its end.
  std::vector<std::string> cursors;
  for (const auto& e : Host().events_)
    if (e.find("\"cursor\"") != std::string::npos) cursors.push_back(e);
  ASSERT_GE(cursors.size(), 2u);
  EXPECT_NE(cursors.front().find("wait"), std::string::npos);
  const auto arrow = std::find_if(cursors.begin(), cursors.end(), [](const std::string& e) {
    return e.find("arrow") != std::string::npos;
  });
  EXPECT_NE(arrow, cursors.end());
  W().Undo();
  EXPECT_EQ(W().Game().Sheet[0].Entry[kBexil], 50);
  EXPECT_EQ(W().Game().Sheet[0].Total, 50);
  EXPECT_EQ(W().Game().NextPlayerPending, 1);
}

TEST_F(Computer, MarksFromAnEarlierThrowAreNotSeen) {
  // A mark left on die 1 would keep the 5 of 5-3-3-1-6 with the pair of 3s; cleared, dice 1,
  // 4 and 5 go back, come up 3s and make a Bexil.
  W().Game().Die[1].Keep = 1;
  W().Game().Die[4].Keep = 1;
  W().Game().Die[1].Work1 = 6;
  W().Game().Die[1].Work2 = 6;
  ComputerTurn({5, 3, 3, 1, 6, 3, 3, 3});
  EXPECT_EQ(Written({}), kBexil);
  EXPECT_EQ(W().Game().Sheet[0].Entry[kBexil], 50);
}

TEST_F(Computer, InputIsIgnoredWhileTheComputerPlays) {
  W().Game().ComputerBusy = 1;
  W().Game().CurrentPlayer = 1;
  const int delay = W().State().AnimDelay;
  Run("click 60 300\nkey +\nkey -\n");
  W().Undo();
  EXPECT_EQ(W().Game().ThrowsMade, 0);
  EXPECT_EQ(W().Game().DiceInCup, 5);
  EXPECT_EQ(W().State().AnimDelay, delay);
}

TEST_F(Computer, GameEndsInsideTheComputersTurn) {
  // Player 1's column is full; the computer has only Choice left.
  for (int k = 1; k <= 12; ++k) W().Game().Sheet[1].Entry[k] = 0;
  for (int k = 1; k < 12; ++k) W().Game().Sheet[0].Entry[k] = 0;
  Host().events_.clear();
  ComputerTurn({6, 6, 6, 6, 6});
  EXPECT_EQ(W().Game().Sheet[0].Entry[kChoice], 30);
  // The result box comes before the turn's closing arrow cursor.
  const auto& events = Host().events_;
  auto find = [&](const char* a, const char* b) {
    return std::find_if(events.begin(), events.end(), [&](const std::string& e) {
      return e.find(a) != std::string::npos && e.find(b) != std::string::npos;
    });
  };
  const auto gameOver = find("\"message\"", "Game Over");
  const auto arrow = find("\"cursor\"", "arrow");
  ASSERT_NE(gameOver, events.end());
  ASSERT_NE(arrow, events.end());
  EXPECT_LT(gameOver, arrow);
  EXPECT_NE(gameOver->find("30\\tComputer"), std::string::npos) << *gameOver;
  EXPECT_EQ(W().Game().GameActive, 0);
  EXPECT_EQ(W().State().TopTenShown, 1);  // the end of the game ran before the turn returned
  EXPECT_EQ(W().Game().NextPlayerPending, 0);
  EXPECT_EQ(W().Game().ComputerBusy, 0);
}

TEST_F(Computer, BrokenStatesStillHandTheCupBack) {
  struct Case {
    const char* what;
    const char* field;
    int value;
  } cases[] = {
      {"throw limit 0", "ThrowLimit", 0},
      {"throw limit 1", "ThrowLimit", 1},
      {"throws made far below zero", "ThrowsMade", -40},
      {"no dice in the cup", "DiceInCup", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Start();
    StartGame(0);
    W().State().AnimDelay = 0;
    W().State().SoundOn = 0;
    Run(std::string("set ") + c.field + " " + std::to_string(c.value) + "\n");
    ComputerTurn({});
    EXPECT_EQ(W().Computer().ComputerOpenCount(), 11);
    EXPECT_EQ(W().Game().NextPlayerPending, 1);
    EXPECT_EQ(W().Game().ComputerBusy, 0);
    EXPECT_EQ(W().Game().CurrentPlayer, 0);
  }
  // Garbage faces and marks on the table: the chooser stays in bounds and still writes.
  Start();
  StartGame(0);
  W().State().SoundOn = 0;
  Table({0, 9, -3, 7, 100}, {}, 3);
  W().Game().Die[2].Keep = 1;
  W().Game().Die[1].Work1 = 99;
  W().Game().Die[1].Work2 = -7;
  W().Computer().ChooseComputerCategory();
  EXPECT_EQ(W().Computer().ComputerOpenCount(), 11);
  Table({0, 9, -3, 7, 100}, {}, 1);
  W().Computer().DecideKeep();
  EXPECT_GE(W().Computer().ComputerOpenCount(), 11);
}

// Any value in the fields the computer reads: its turn stays in bounds, ends, and frees the
// board.
TEST_F(Computer, TamperedFieldsNeverBreakTheTurn) {
  const int odd[] = {INT32_MIN, -7, -1, 0, 1, 2, 3, 5, 6, 7, 12, 13, 20, 21, 99, INT32_MAX};
  std::mt19937 pick(3);
  auto any = [&] { return odd[pick() % std::size(odd)]; };
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    W().Game().GameActive = 1;
    W().Game().PlayerCount = 0;
    W().Game().Sheet[1] = TScoreColumn{};
    for (int i = 1; i <= 5; ++i) {
      TDie& d = W().Game().Die[i];
      d.Face = any();
      d.Keep = any();
      d.Work1 = any();
      d.Work2 = any();
      if (pick() % 4 == 0) d.Slot = any();
    }
    for (int k = 1; k <= 12; ++k) W().Game().Sheet[0].Entry[k] = pick() % 3 == 0 ? any() : -1;
    if (pick() % 4 == 0) W().Game().ThrowsMade = any();
    if (pick() % 4 == 0) W().Game().DiceInCup = any();
    W().Game().CurrentPlayer = pick() % 4 == 0 ? any() : 1;
    W().Game().NextPlayerPending = 1;
    W().Game().NextPlayer();
    EXPECT_EQ(W().Game().ComputerBusy, 0);
    EXPECT_EQ(W().Game().UndoScore, 0);
    EXPECT_EQ(W().Game().LastCategory, 0);
    EXPECT_TRUE(W().Game().CurrentPlayer == 0 || W().Game().CurrentPlayer == 1);
    // Whatever happened, the next press on the cup has something to do.
    EXPECT_TRUE(W().Game().NextPlayerPending == 1 || W().Game().CurrentPlayer == 1 ||
                W().Game().GameActive == 0);
    if (round % 50 == 0) ClearOutput(), Host().events_.clear();
  }
}

// Random open sets and random dice: a whole turn writes exactly one category, never an
// occupied one, and never throws from an empty cup.
TEST_F(Computer, EveryTurnWritesExactlyOneCategory) {
  std::mt19937 pick(7);
  runner_->Rand().Seed(11);
  for (int turn = 0; turn < 500; ++turn) {
    int open = 0;
    while (open == 0) open = static_cast<int>(pick() % 4096);
    std::vector<int> written;
    TScoreColumn before;
    for (int k = 1; k <= 12; ++k)
      if ((open & (1 << (k - 1))) == 0) {
        written.push_back(k);
        before.Entry[k] = static_cast<int>(pick() % 30);
      }
    W().Game().GameActive = 1;
    W().Game().Sheet[0] = before;
    W().Game().Sheet[1] = TScoreColumn{};
    ComputerTurn({});
    int changed = 0;
    for (int k = 1; k <= 12; ++k) {
      if (W().Game().Sheet[0].Entry[k] == before.Entry[k]) continue;
      ++changed;
      ASSERT_EQ(before.Entry[k], -1) << "mask " << open << " wrote over " << kNames[k];
    }
    ASSERT_EQ(changed, 1) << "mask " << open;
    ASSERT_FALSE(SawEmptyCup());
    ASSERT_EQ(W().Game().ComputerBusy, 0);
    if (turn % 100 == 0) ClearOutput(), Host().events_.clear();
  }
}

// ---- Whole games ----

TEST_F(Computer, RandomGamesEndWithBothColumnsFull) {
  runner_->Rand().Seed(2024);
  for (int game = 0; game < 20; ++game) {
    SCOPED_TRACE("game " + std::to_string(game));
    W().RestartGame();  // a fresh game with the same players
    W().State().AnimDelay = 0;
    W().State().SoundOn = 0;
    ASSERT_EQ(W().Game().GameActive, 1);
    std::vector<int> order;
    for (int turn = 0; turn < 12; ++turn) {
      // Player 1 (after the first turn the press also takes the cup back) throws once and
      // writes its first open category; the next press hands the cup to the computer.
      Run("click 60 300\n");
      ASSERT_EQ(W().Game().CurrentPlayer, 1);
      order.push_back(1);
      int k = 1;
      while (W().Game().Sheet[1].Entry[k] != -1) ++k;
      Run("click 400 " + std::to_string(RowTop(k) + 5) + "\n");
      ASSERT_NE(W().Game().Sheet[1].Entry[k], -1);
      const TScoreColumn before = W().Game().Sheet[0];
      Run("click 60 300\n");
      order.push_back(W().Game().CurrentPlayer);
      int changed = 0;
      for (int c = 1; c <= 12; ++c) {
        if (W().Game().Sheet[0].Entry[c] == before.Entry[c]) continue;
        ++changed;
        ASSERT_EQ(before.Entry[c], -1) << "wrote over " << kNames[c];
      }
      ASSERT_EQ(changed, 1);
      ASSERT_EQ(W().Game().ComputerBusy, 0);
      ASSERT_FALSE(SawEmptyCup());
    }
    EXPECT_EQ(W().Game().GameActive, 0);
    EXPECT_FALSE(W().Game().GameUnfinished());
    int total = 0;
    for (int c = 1; c <= 12; ++c) {
      EXPECT_GE(W().Game().Sheet[0].Entry[c], 0);
      EXPECT_GE(W().Game().Sheet[1].Entry[c], 0);
      total += W().Game().Sheet[0].Entry[c];
    }
    EXPECT_EQ(W().Game().Sheet[0].Total, total);
    for (size_t t = 0; t < order.size(); ++t) ASSERT_EQ(order[t], t % 2 == 0 ? 1 : 0);
    ClearOutput();
    Host().events_.clear();
    W().State().TopTenShown = 0;
  }
}

}  // namespace
}  // namespace ossaric
