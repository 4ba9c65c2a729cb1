// The computer player in the window: input during its turn, the end of a game inside its turn,
// broken and tampered states, and whole games against it. Its rules are tested on the model
// (test_ai_keep.cpp, test_ai_choose.cpp).
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

class Computer : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    StartGame(0);
    Probe().State().AnimDelay = 0;
    Probe().State().SoundOn = 0;
  }

  // The dice lie on places 1..5 after the computer's `throws`-th throw; the categories in
  // `written` hold 0 in its column, every other one is open, and player 1's column is empty.
  void Table(const Dice& faces, const std::vector<int>& written, int throws) {
    TWindowProbe w = W();
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

  // Hands the cup from player 1 to the computer, whose throws take `faces` in order.
  void ComputerTurn(const std::deque<int>& faces) {
    runner_->Rand().ScriptFaces(faces);
    Probe().Game().CurrentPlayer = 1;
    Probe().Game().NextPlayerPending = 1;
    Probe().Game().NextPlayer();
  }

  bool SawEmptyCup() {
    for (const auto& m : Host().messages_)
      if (m.find("There are no dice in the cup") != std::string::npos) return true;
    return false;
  }
};

TEST_F(Computer, InputIsIgnoredWhileTheComputerPlays) {
  Probe().Game().ComputerBusy = 1;
  Probe().Game().CurrentPlayer = 1;
  const int delay = Probe().State().AnimDelay;
  Run("press cup\nkey +\nkey -\n");
  Probe().Undo();
  EXPECT_EQ(Probe().Game().ThrowsMade, 0);
  EXPECT_EQ(Probe().Game().DiceInCup, 5);
  EXPECT_EQ(Probe().State().AnimDelay, delay);
}

TEST_F(Computer, GameEndsInsideTheComputersTurn) {
  // Player 1's column is full; the computer has only Choice left.
  for (int k = 1; k <= 12; ++k) Probe().Game().Sheet[1].Entry[k] = 0;
  for (int k = 1; k < 12; ++k) Probe().Game().Sheet[0].Entry[k] = 0;
  Host().events_.clear();
  ComputerTurn({6, 6, 6, 6, 6});
  EXPECT_EQ(Probe().Game().Sheet[0].Entry[kChoice], 30);
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
  EXPECT_EQ(Probe().Game().GameActive, 0);
  EXPECT_EQ(Probe().State().ScreenUp,
            SceneScreen::TopTen);  // the end of the game ran before the turn returned
  EXPECT_EQ(Probe().Game().NextPlayerPending, 0);
  EXPECT_EQ(Probe().Game().ComputerBusy, 0);
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
    Probe().State().AnimDelay = 0;
    Probe().State().SoundOn = 0;
    Run(std::string("set ") + c.field + " " + std::to_string(c.value) + "\n");
    ComputerTurn({});
    EXPECT_EQ(Probe().Computer().ComputerOpenCount(), 11);
    EXPECT_EQ(Probe().Game().NextPlayerPending, 1);
    EXPECT_EQ(Probe().Game().ComputerBusy, 0);
    EXPECT_EQ(Probe().Game().CurrentPlayer, 0);
  }
  // Garbage faces and marks on the table: the chooser stays in bounds and still writes.
  Start();
  StartGame(0);
  Probe().State().SoundOn = 0;
  Table({0, 9, -3, 7, 100}, {}, 3);
  Probe().Game().Die[2].Keep = 1;
  Probe().Game().Die[1].Work1 = 99;
  Probe().Game().Die[1].Work2 = -7;
  Probe().Computer().ChooseComputerCategory();
  EXPECT_EQ(Probe().Computer().ComputerOpenCount(), 11);
  Table({0, 9, -3, 7, 100}, {}, 1);
  Probe().Computer().DecideKeep();
  EXPECT_GE(Probe().Computer().ComputerOpenCount(), 11);
}

// Any value in the fields the computer reads: its turn stays in bounds, ends, and frees the
// board.
TEST_F(Computer, TamperedFieldsNeverBreakTheTurn) {
  const int odd[] = {INT32_MIN, -7, -1, 0, 1, 2, 3, 5, 6, 7, 12, 13, 20, 21, 99, INT32_MAX};
  std::mt19937 pick(3);
  auto any = [&] { return odd[pick() % std::size(odd)]; };
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    Probe().Game().GameActive = 1;
    Probe().Game().PlayerCount = 0;
    Probe().Game().Sheet[1] = TScoreColumn{};
    for (int i = 1; i <= 5; ++i) {
      TDie& d = Probe().Game().Die[i];
      d.Face = any();
      d.Keep = any();
      d.Work1 = any();
      d.Work2 = any();
      if (pick() % 4 == 0) d.Slot = any();
    }
    for (int k = 1; k <= 12; ++k) Probe().Game().Sheet[0].Entry[k] = pick() % 3 == 0 ? any() : -1;
    if (pick() % 4 == 0) Probe().Game().ThrowsMade = any();
    if (pick() % 4 == 0) Probe().Game().DiceInCup = any();
    Probe().Game().CurrentPlayer = pick() % 4 == 0 ? any() : 1;
    Probe().Game().NextPlayerPending = 1;
    Probe().Game().NextPlayer();
    EXPECT_EQ(Probe().Game().ComputerBusy, 0);
    EXPECT_EQ(Probe().Game().UndoScore, 0);
    EXPECT_EQ(Probe().Game().LastCategory, 0);
    EXPECT_TRUE(Probe().Game().CurrentPlayer == 0 || Probe().Game().CurrentPlayer == 1);
    // Whatever happened, the next press on the cup has something to do.
    EXPECT_TRUE(Probe().Game().NextPlayerPending == 1 || Probe().Game().CurrentPlayer == 1 ||
                Probe().Game().GameActive == 0);
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
    Probe().Game().GameActive = 1;
    Probe().Game().Sheet[0] = before;
    Probe().Game().Sheet[1] = TScoreColumn{};
    ComputerTurn({});
    int changed = 0;
    for (int k = 1; k <= 12; ++k) {
      if (Probe().Game().Sheet[0].Entry[k] == before.Entry[k]) continue;
      ++changed;
      ASSERT_EQ(before.Entry[k], -1) << "mask " << open << " wrote over category " << k;
    }
    ASSERT_EQ(changed, 1) << "mask " << open;
    ASSERT_FALSE(SawEmptyCup());
    ASSERT_EQ(Probe().Game().ComputerBusy, 0);
    if (turn % 100 == 0) ClearOutput(), Host().events_.clear();
  }
}

// ---- Whole games ----

TEST_F(Computer, RandomGamesEndWithBothColumnsFull) {
  runner_->Rand().Seed(2024);
  for (int game = 0; game < 20; ++game) {
    SCOPED_TRACE("game " + std::to_string(game));
    Probe().RestartGame();  // a fresh game with the same players
    Probe().State().AnimDelay = 0;
    Probe().State().SoundOn = 0;
    ASSERT_EQ(Probe().Game().GameActive, 1);
    std::vector<int> order;
    for (int turn = 0; turn < 12; ++turn) {
      // Player 1 (after the first turn the press also takes the cup back) throws once and
      // writes its first open category; the next press hands the cup to the computer.
      Run("press cup\n");
      ASSERT_EQ(Probe().Game().CurrentPlayer, 1);
      order.push_back(1);
      int k = 1;
      while (Probe().Game().Sheet[1].Entry[k] != -1) ++k;
      Run(Row(k));
      ASSERT_NE(Probe().Game().Sheet[1].Entry[k], -1);
      const TScoreColumn before = Probe().Game().Sheet[0];
      Run("press cup\n");
      order.push_back(Probe().Game().CurrentPlayer);
      int changed = 0;
      for (int c = 1; c <= 12; ++c) {
        if (Probe().Game().Sheet[0].Entry[c] == before.Entry[c]) continue;
        ++changed;
        ASSERT_EQ(before.Entry[c], -1) << "wrote over category " << c;
      }
      ASSERT_EQ(changed, 1);
      ASSERT_EQ(Probe().Game().ComputerBusy, 0);
      ASSERT_FALSE(SawEmptyCup());
    }
    EXPECT_EQ(Probe().Game().GameActive, 0);
    EXPECT_FALSE(Probe().Game().GameUnfinished());
    int total = 0;
    for (int c = 1; c <= 12; ++c) {
      EXPECT_GE(Probe().Game().Sheet[0].Entry[c], 0);
      EXPECT_GE(Probe().Game().Sheet[1].Entry[c], 0);
      total += Probe().Game().Sheet[0].Entry[c];
    }
    EXPECT_EQ(Probe().Game().Sheet[0].Total, total);
    for (size_t t = 0; t < order.size(); ++t) ASSERT_EQ(order[t], t % 2 == 0 ? 1 : 0);
    ClearOutput();
    Host().events_.clear();
    Probe().State().ScreenUp = SceneScreen::Board;
  }
}

}  // namespace
}  // namespace ossaric
