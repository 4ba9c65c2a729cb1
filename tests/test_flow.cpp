#include <gtest/gtest.h>

#include <set>

#include "fixture.h"

namespace ossaric {
namespace {

using testing::GameTest;

class Flow : public GameTest {
 protected:
  // Plays a whole game by presses: every turn throws once and writes the first open category.
  void PlayToTheEnd(int columns, std::vector<int>& order) {
    for (int turn = 0; turn < 12 * columns; ++turn) {
      ASSERT_TRUE(Probe().Game().GameActive);
      Run(kCup);
      order.push_back(Probe().Game().CurrentPlayer);
      for (int k = 1; k <= 12; ++k) {
        if (Probe().Game().Sheet[Probe().Game().CurrentPlayer].Entry[k] == -1) {
          Run(Row(k));
          break;
        }
      }
    }
  }
};

TEST_F(Flow, OpensOnSetupAndStartsAFreshGame) {
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::Setup);
  EXPECT_EQ(Probe().Game().PlayerCount, 1);
  EXPECT_EQ(Probe().State().HintIndex, 0);
  EXPECT_EQ(Probe().Game().GameActive, 0);
  StartGame(1);
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::Setup);
  EXPECT_EQ(Probe().Game().GameActive, 1);
  EXPECT_EQ(Probe().Game().CurrentPlayer, 1);
  EXPECT_EQ(Probe().Game().DiceInCup, 5);
  EXPECT_EQ(Probe().Game().ThrowsMade, 0);
  EXPECT_EQ(Probe().State().TotalsPlayer, 1);
}

TEST_F(Flow, ThrowPutsDiceOnFreePlacesWithScriptedFaces) {
  StartGame(1);
  Run("places 3 3 7 1 20 12\nfaces 6 5 4 3 2\n" + std::string(kCup));
  const int expectSlots[] = {0, 3, 7, 1, 20, 12};
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(Probe().Game().Die[i].Slot, expectSlots[i]);
    EXPECT_EQ(Probe().Game().Die[i].Face, 7 - i);
    EXPECT_EQ(Probe().Game().Die[i].InCup, 0);
    EXPECT_EQ(Probe().Game().ToThrow[i], 0);
    EXPECT_EQ(Probe().Game().TableSlot[expectSlots[i]].Occupied, 1);
  }
  EXPECT_EQ(Probe().Game().DiceInCup, 0);
  EXPECT_EQ(Probe().Game().ThrowsMade, 1);
  EXPECT_EQ(Probe().Game().ScoreAllowed, 1);
  // Return dice 2 and 4, then throw them: the kept dice's places are never chosen.
  Run(DiePress(2));
  Run(DiePress(4));
  EXPECT_EQ(Probe().Game().DiceInCup, 2);
  EXPECT_EQ(Probe().Game().TableSlot[7].Occupied, 0);
  EXPECT_EQ(Probe().Game().Die[2].Slot, 7);  // the old place is remembered in the cup
  Run("places 3 1 12 5 6\nfaces 1 1\n" + std::string(kCup));
  EXPECT_EQ(Probe().Game().Die[2].Slot, 5);
  EXPECT_EQ(Probe().Game().Die[4].Slot, 6);
  EXPECT_EQ(Probe().Game().Die[1].Slot, 3);
  EXPECT_EQ(Probe().Game().ThrowsMade, 2);
}

TEST_F(Flow, EffectsFollowTheNumberOfDiceInTheCup) {
  StartGame(1);
  struct Case {
    int returned;
    const char* rattle;
    const char* landing;
  } cases[] = {{1, "rattle1.wav", "onedice.wav"},
               {2, "rattle2.wav", "onedice.wav"},
               {3, "rattle2.wav", "moredice.wav"},
               {4, "rattle2.wav", "manydice.wav"},
               {5, "rattle2.wav", "manydice.wav"}};
  for (const Case& c : cases) {
    Run("command 101\n" + std::string(kCup));  // a fresh game, first throw
    for (int i = 1; i <= c.returned; ++i) Run(DiePress(i));
    ClearOutput();
    Run(kCup);
    ASSERT_EQ(Sound().effects_.size(), 2u) << c.returned;
    EXPECT_EQ(Sound().effects_[0], c.rattle);
    EXPECT_EQ(Sound().effects_[1], c.landing);
  }
  // With sound off nothing plays.
  Run("command 133\ncommand 101\n");
  ClearOutput();
  Run(kCup);
  EXPECT_TRUE(Sound().effects_.empty());
}

TEST_F(Flow, RefusalsShowTheirMessages) {
  // The board with no game: cup and dice answer with the Play-menu messages.
  Run("set SetupShown 0\n" + std::string(kCup));
  ASSERT_EQ(Host().messages_.size(), 1u);
  EXPECT_EQ(Host().messages_[0], "Start new play|Choose option from the Play menu");
  Run("set DiceInCup 0\nset Die[1].Slot 1\nset Die[1].InCup 0\nclick 30 30\n");
  EXPECT_EQ(Host().messages_.back(), "End of Game|Choose option from the Play menu");

  Start();
  StartGame(1);
  Run(std::string(kCup));
  Run(DiePress(1) + kCup);
  Run(DiePress(2) + kCup);
  EXPECT_EQ(Probe().Game().ThrowsMade, 3);
  ClearOutput();
  Probe().Game().LastCategory = 5;
  Run(kCup);
  EXPECT_EQ(Host().messages_.back(), "Three roll limit|Choose a score category now");
  EXPECT_EQ(Probe().Game().LastCategory, 0);  // a refused throw still clears it
  Run(DiePress(3));
  EXPECT_EQ(Host().messages_.back(), "Three roll limit|Choose a score category now");
  EXPECT_EQ(Probe().Game().Die[3].InCup, 0);

  Start();
  StartGame(1);
  Run(kCup);
  Run("set DiceInCup 0\nset ThrowsMade 1\n" + std::string(kCup));
  EXPECT_EQ(Host().messages_.back(), "|There are no dice in the cup");
}

TEST_F(Flow, ScoringWritesOnceAndTheTurnStartsAgain) {
  StartGame(1);
  // Presses between rows or before a throw write nothing.
  Run("click 400 95\n" + Row(12));
  EXPECT_EQ(Probe().Game().Sheet[1].Entry[12], -1);
  Run("faces 3 3 3 3 5\n" + std::string(kCup) + "click 400 96\n");
  EXPECT_EQ(Probe().Game().Sheet[1].Total, 0);
  ClearOutput();
  const uint32_t before = Host().clock_;
  Run(Row(4));
  EXPECT_EQ(Probe().Game().Sheet[1].Entry[4], 17);
  EXPECT_EQ(Probe().Game().Sheet[1].Total, 17);
  EXPECT_EQ(Probe().Game().LastCategory, 4);
  EXPECT_EQ(Probe().Game().UndoScore, 1);
  // pen, then the 1000 ms pause.
  EXPECT_EQ(Sound().effects_.front(), "pen.wav");
  EXPECT_GE(Host().clock_ - before, 1000u);
  // One player: no hand-over, the next press on the cup throws at once.
  EXPECT_EQ(Probe().Game().NextPlayerPending, 0);
  EXPECT_EQ(Probe().Game().ThrowsMade, 0);
  EXPECT_EQ(Probe().Game().DiceInCup, 5);
  Run(Row(12));  // after the score every scorer refuses until the next throw
  EXPECT_EQ(Probe().Game().Sheet[1].Entry[12], -1);
  Run(kCup);
  EXPECT_EQ(Probe().Game().ThrowsMade, 1);
  Run(Row(4));  // a full category cannot be written again
  EXPECT_EQ(Probe().Game().Sheet[1].Entry[4], 17);
  EXPECT_EQ(Probe().Game().ScoreAllowed, 1);
  // Dice returned to the cup still count with their last faces.
  Run("faces 6 6 6 6 6\ncommand 101\n" + std::string(kCup) + DiePress(1) + Row(1));
  EXPECT_EQ(Probe().Game().Sheet[1].Entry[1], 50);
  // With sound off there is no pause after a score.
  Run("command 133\ncommand 101\nset AnimDelay 0\n" + std::string(kCup));
  const uint32_t quiet = Host().clock_;
  Run(Row(12));
  EXPECT_EQ(Host().clock_ - quiet, 0u);
}

// Plays whole games by presses: every turn throws once and writes the first open category.

TEST_F(Flow, WholeGamesHandTheCupOnInTurn) {
  for (int players = 1; players <= 4; ++players) {
    Start();
    StartGame(players);
    std::vector<int> order;
    PlayToTheEnd(players, order);
    for (size_t t = 0; t < order.size(); ++t)
      EXPECT_EQ(order[t], static_cast<int>(t % players) + 1) << players << " players, turn " << t;
    EXPECT_EQ(Probe().Game().GameActive, 0);
    EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::TopTen);
    EXPECT_FALSE(Probe().Game().GameUnfinished());
    for (int p = 1; p <= players; ++p) {
      int sum = 0;
      for (int k = 1; k <= 12; ++k) {
        EXPECT_GE(Probe().Game().Sheet[p].Entry[k], 0);
        sum += Probe().Game().Sheet[p].Entry[k];
      }
      EXPECT_EQ(Probe().Game().Sheet[p].Total, sum);
    }
    for (int p = players + 1; p <= 4; ++p) EXPECT_EQ(Probe().Game().Sheet[p].Entry[1], -1);
  }
}

TEST_F(Flow, HandOverWaitsForTheCup) {
  StartGame(3);
  Run(std::string(kCup) + Row(12));
  EXPECT_EQ(Probe().Game().NextPlayerPending, 1);
  EXPECT_EQ(Host().cursor_, CursorId::Next);
  EXPECT_EQ(Probe().Game().CurrentPlayer, 1);
  Run(kCup);  // hands over and throws for player 2 at once
  EXPECT_EQ(Probe().Game().NextPlayerPending, 0);
  EXPECT_EQ(Probe().Game().CurrentPlayer, 2);
  EXPECT_EQ(Probe().Game().ThrowsMade, 1);
  EXPECT_EQ(Host().cursor_, CursorId::Roll);
}

TEST_F(Flow, UndoTakesBackReturnsAndScores) {
  StartGame(2);
  Run("faces 1 2 3 4 6\n" + std::string(kCup));
  Run(DiePress(1) + DiePress(2) + DiePress(3));
  EXPECT_EQ(Probe().Game().DiceInCup, 3);
  Run("command 106\n");  // all three come back, not only the last
  EXPECT_EQ(Probe().Game().DiceInCup, 0);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(Probe().Game().Die[i].InCup, 0);
    EXPECT_EQ(Probe().Game().TableSlot[Probe().Game().Die[i].Slot].Occupied, 1);
  }
  EXPECT_EQ(Probe().Game().Die[2].Face, 2);
  Run(DiePress(5));
  Run("command 106\ncommand 106\n");  // a second Undo does nothing
  EXPECT_EQ(Probe().Game().DiceInCup, 0);
  Run(DiePress(5) + std::string(kCup) + Row(3));  // second throw, Small Straight
  EXPECT_EQ(Probe().Game().NextPlayerPending, 1);
  const int points = Probe().Game().Sheet[1].Entry[3];
  EXPECT_EQ(Probe().Game().Sheet[1].Total, points);
  Run("command 106\n");
  EXPECT_EQ(Probe().Game().Sheet[1].Entry[3], -1);
  EXPECT_EQ(Probe().Game().Sheet[1].Total, 0);
  EXPECT_EQ(Probe().Game().NextPlayerPending, 0);
  EXPECT_EQ(Probe().Game().ThrowsMade, 2);
  EXPECT_EQ(Probe().Game().ScoreAllowed, 1);
  EXPECT_EQ(Probe().Game().CurrentPlayer, 1);
  for (int i = 1; i <= 5; ++i)
    EXPECT_EQ(Probe().Game().Die[i].InCup, 0);  // all five back on the table
  EXPECT_EQ(Probe().Game().DiceInCup, 0);
  Run(Row(12));  // any open category can be written again
  EXPECT_GT(Probe().Game().Sheet[1].Entry[12], 0);
}

// A score can be taken back until the next turn throws, never afterwards: the new turn keeps
// its own throw count, and a lone player cannot rewrite a score with the next turn's dice.
TEST_F(Flow, UndoEndsWithTheNextTurnsFirstThrow) {
  for (int players : {1, 2, 4}) {
    SCOPED_TRACE(players);
    Start();
    StartGame(players);
    Run("set SoundOn 0\nfaces 2 2 2 5 5\n" + std::string(kCup));
    Run(DiePress(4) + "faces 5\n" + std::string(kCup) + Row(5));  // two throws, Full House
    ASSERT_EQ(Probe().Game().Sheet[1].Entry[5], 16);
    const int next = players == 1 ? 1 : 2;
    Run("faces 6 6 6 6 6\n" + std::string(kCup) + "command 106\n");
    EXPECT_EQ(Probe().Game().Sheet[1].Entry[5], 16);
    EXPECT_EQ(Probe().Game().Sheet[1].Total, 16);
    EXPECT_EQ(Probe().Game().CurrentPlayer, next);
    EXPECT_EQ(Probe().Game().ThrowsMade, 1);
    ClearOutput();
    Run("faces 6 6\n" + DiePress(1) + std::string(kCup));
    Run(DiePress(1) + std::string(kCup));
    EXPECT_EQ(Probe().Game().ThrowsMade, 3);
    EXPECT_TRUE(Host().messages_.empty());  // no "Three roll limit" before the third throw
    Run(Row(1));
    EXPECT_EQ(Probe().Game().Sheet[next].Entry[1], 50);
    EXPECT_EQ(Probe().Game().Sheet[1].Entry[5], 16);
  }
}

TEST_F(Flow, UndoHasNothingToTakeBackInAFreshGame) {
  StartGame(1);
  Run(std::string(kCup) + Row(12) + "command 101\ncommand 106\n");
  EXPECT_EQ(Probe().Game().ThrowsMade, 0);
  EXPECT_EQ(Probe().Game().ScoreAllowed, 0);
  EXPECT_EQ(Probe().Game().DiceInCup, 5);
  Run(Row(12));
  EXPECT_EQ(Probe().Game().Sheet[1].Entry[12], -1);
}

TEST_F(Flow, NewGameOnlyDiscardsTheGameWhenStarted) {
  StartGame(1);
  Run(std::string(kCup) + Row(12) + "command 102\n");
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::Setup);
  EXPECT_EQ(Probe().Game().GameActive, 1);
  EXPECT_GE(Probe().Game().Sheet[1].Entry[12], 0);
  Run("command 106\n");  // ignored on the setup screen
  EXPECT_GE(Probe().Game().Sheet[1].Entry[12], 0);
  Run("command 101\n");  // Restart is ignored on the setup screen too
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::Setup);
  Run("press start\n");
  EXPECT_EQ(Probe().Game().Sheet[1].Entry[12], -1);
  EXPECT_EQ(Probe().Game().Sheet[1].Total, 0);
}

TEST_F(Flow, ClickDecodingBoundaries) {
  // Setup screen: player count boxes, hidden name fields, hints box.
  Run("click 361 223\n");
  EXPECT_EQ(Probe().Game().PlayerCount, 2);
  Run("click 557 241\n");
  EXPECT_EQ(Probe().Game().PlayerCount, 0);
  Run("click 459 277\n");  // player 2's field is hidden against the computer
  EXPECT_EQ(Probe().State().NameEditing, 0);
  Run("click 352 277\n");  // player 1's field always opens
  EXPECT_EQ(Probe().State().NameEditing, 1);
  EXPECT_EQ(Probe().State().EditedName, 1);
  EXPECT_TRUE(Host().timerRunning_);
  Run("click 345 358\n");  // any press ends the editing first
  EXPECT_EQ(Probe().State().NameEditing, 0);
  EXPECT_EQ(Probe().State().CaretTimerOn, 0);
  EXPECT_FALSE(Host().timerRunning_);
  EXPECT_EQ(Probe().State().HintIndex, -1);
  Run("click 545 376\n");
  EXPECT_EQ(Probe().State().HintIndex, 0);
  // Hints panel: x 445 is Return, 446 Next Hint.
  Run("set SetupShown 0\nset HintsShown 1\nclick 446 360\n");
  EXPECT_EQ(Probe().State().HintIndex, 1);
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::Hints);
  Run("click 445 360\n");
  EXPECT_EQ(Probe().State().HintIndex, 2);
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::Hints);
  EXPECT_EQ(Probe().Game().GameActive, 1);
  // Current Totals: x 339 is outside Return, 340 inside.
  Run("set TotalsShown 1\nclick 339 375\n");
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::Totals);
  Run("click 340 375\n");
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::Totals);
  // With five dice in the cup the table takes no presses, even on old places.
  Run("set Die[1].Slot 1\nclick 30 30\n");
  EXPECT_EQ(Probe().Game().DiceInCup, 5);
  // A die's hit box includes one more pixel right and below. (Place 13's corner lies on the cup,
  // which takes the press first: keep die 1 away from it.)
  Run("places 1 2 3 4 5\n" + std::string(kCup));
  const TTableSlot& s = Probe().Game().TableSlot[Probe().Game().Die[1].Slot];
  Run("click " + std::to_string(s.X + 50) + " " + std::to_string(s.Y + 50) + "\n");
  EXPECT_EQ(Probe().Game().Die[1].InCup, 1);
}

TEST_F(Flow, PressesAreIgnoredWhileTheComputerPlays) {
  StartGame(1);
  Run("set ComputerBusy 1\nset SetupShown 1\nclick 352 277\n");
  EXPECT_EQ(Probe().State().NameEditing, 0);
  Run("set ComputerBusy 0\nclick 352 277\nset ComputerBusy 1\n" + std::string(kCup));
  EXPECT_EQ(Probe().State().NameEditing, 0);  // still ends name editing
  EXPECT_FALSE(Host().timerRunning_);
  EXPECT_EQ(Probe().Game().ThrowsMade, 0);
}

TEST_F(Flow, RobustAgainstOutOfRangeState) {
  StartGame(1);
  Run("set PlayerCount 9\nset CurrentPlayer 7\nset Die[2].Slot 40\n" + std::string(kCup) + Row(12) +
      "press cup\nclick 100 100\ncommand 106\nstate\n");
  Run("set PlayerCount -3\nset CurrentPlayer -1\n" + std::string(kCup) + Row(1) + "paint\n");
}

TEST_F(Flow, GarbledCupAndPlaceMarksDoNotStopTheGame) {
  // Every place marked taken: the throw still lands five dice on five different places.
  StartGame(1);
  std::string marks;
  for (int k = 1; k <= 20; ++k) marks += "set TableSlot[" + std::to_string(k) + "].Occupied 1\n";
  Run(marks + "places 1 2 3 4 5\n" + kCup);
  std::set<int> slots;
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(Probe().Game().Die[i].InCup, 0);
    slots.insert(Probe().Game().Die[i].Slot);
  }
  EXPECT_EQ(slots.size(), 5u);
  // A cup count at the top of the range: returning dice at the end of the turn leaves five.
  Run("set DiceInCup 2147483647\n" + Row(12));
  EXPECT_EQ(Probe().Game().DiceInCup, 5);
}

TEST_F(Flow, PressOnADiePlacedAtTheEdgeOfTheCoordinates) {
  // A place moved to the largest coordinates still has its whole die picture to hit.
  StartGame(1);
  Run("places 3 5 7 9 11\nfaces 1 2 3 4 5\n" + std::string(kCup));
  ASSERT_EQ(Probe().Game().Die[1].Slot, 3);
  Run("set TableSlot[3].X 2147483627\nclick 2147483647 40\n");
  EXPECT_EQ(Probe().Game().Die[1].InCup, 1);
  EXPECT_EQ(Probe().Game().DiceInCup, 1);
  Run("set TableSlot[5].Y -2147483648\nclick 30 -2147483648\nclick 80 2147483647\n");
  EXPECT_EQ(Probe().Game().Die[2].InCup, 1);
  EXPECT_EQ(Probe().Game().DiceInCup, 2);
}

}  // namespace
}  // namespace ossaric
