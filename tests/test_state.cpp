// The game state's own operations as the window uses them: which columns count for the end of
// a game, what a reset keeps, and the return from the Top Ten after the end.
#include <gtest/gtest.h>

#include "fixture.h"

namespace ossaric {
namespace {

class State : public testing::GameTest {
 protected:
  void Fill(int column, int value) {
    for (int k = 1; k <= 12; ++k) Probe().Game().Sheet[column].Entry[k] = value;
  }
};

TEST_F(State, GameUnfinishedLooksOnlyAtTheColumnsInPlay) {
  struct Case {
    int players;
    std::vector<int> full;  // columns filled with zeros
    bool unfinished;
  } cases[] = {
      {0, {1}, true},           {0, {0}, true},           {0, {0, 1}, false},
      {0, {0, 1, 2}, false},    {1, {1}, false},          {1, {}, true},
      {2, {1}, true},           {2, {1, 2}, false},       {4, {1, 2, 3}, true},
      {4, {1, 2, 3, 4}, false}, {3, {0, 1, 2, 3}, false}, {3, {0, 1, 2}, true},
  };
  for (const Case& c : cases) {
    Probe().Game().ResetGame(false);
    Probe().Game().PlayerCount = c.players;
    for (int column : c.full) Fill(column, 0);  // a column of scratches is full
    EXPECT_EQ(Probe().Game().GameUnfinished(), c.unfinished) << c.players << " players";
  }
}

TEST_F(State, ResetGameKeepsFacesAndPlacesButClearsTheTable) {
  Run("press start\nfaces 6 5 4 3 2\nplaces 1 2 3 4 5\npress cup\n" + Row(1));
  Probe().Game().Die[2].InCup = 0;
  Probe().Game().ResetGame(false);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(Probe().Game().Die[i].Face, 7 - i);
    EXPECT_EQ(Probe().Game().Die[i].Slot, i);
    EXPECT_EQ(Probe().Game().Die[i].InCup, 1);
    EXPECT_EQ(Probe().Game().ToThrow[i], 1);
  }
  for (int k = 1; k <= 20; ++k) EXPECT_EQ(Probe().Game().TableSlot[k].Occupied, 0);
  for (int p = 0; p <= 4; ++p) {
    EXPECT_EQ(Probe().Game().Sheet[p].Total, 0);
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(Probe().Game().Sheet[p].Entry[k], -1);
  }
  EXPECT_EQ(Probe().Game().DiceInCup, 5);
  EXPECT_EQ(Probe().Game().GameActive, 1);  // untouched
  EXPECT_EQ(Probe().Game().UndoScore, 1);   // untouched
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(std::string(Probe().State().PlayerName[n]).size(), 8u);
}

TEST_F(State, TopTenReturnAfterTheEndStartsANewGameWithTheSamePlayers) {
  Run("set PlayerCount 2\npress start\n");
  for (int turn = 0; turn < 24; ++turn) {
    Run("press cup\n");
    for (int k = 1; k <= 12; ++k) {
      if (Probe().Game().Sheet[Probe().Game().CurrentPlayer].Entry[k] == -1) {
        Run(Row(k));
        break;
      }
    }
  }
  ASSERT_EQ(Probe().Game().GameActive, 0);
  ASSERT_EQ(Probe().State().ScreenUp, SceneScreen::TopTen);
  ClearOutput();
  Run("press cup\n");  // the panel takes no board presses
  EXPECT_TRUE(Host().messages_.empty());
  Run("click 400 350\n");
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::TopTen);
  EXPECT_EQ(Probe().Game().GameActive, 1);
  EXPECT_EQ(Probe().Game().PlayerCount, 2);
  EXPECT_EQ(Probe().Game().CurrentPlayer, 1);
  EXPECT_EQ(Probe().Game().Sheet[1].Total, 0);
}

}  // namespace
}  // namespace ossaric
