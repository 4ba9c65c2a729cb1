// The Current Totals and tips panels: stepping through the columns and the tips, the buttons'
// edges, the tip texts, and state out of range.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "fixture.h"

namespace ossaric {
namespace {

constexpr const char* kNextPlayer = "press totals-next\n";
constexpr const char* kTotalsReturn = "press totals-return\n";
constexpr const char* kNextHint = "press tips-next\n";

class Panels : public testing::GameTest {
 protected:
  // The pixels of the panel area, x 306..575 and y 80..410.
  std::vector<uint32_t> Pixels() {
    std::vector<uint32_t> out;
    for (int y = 80; y <= 410; ++y)
      for (int x = 306; x <= 575; ++x) out.push_back(W().Screen().Pixel(x, y));
    return out;
  }
  // Opens on the tips panel at tip `index`.
  void OpenOnTips(int index) {
    std::vector<uint8_t> b = {5, 0, 1, 0, 3, 0, 1, 0};
    for (int n = 1; n <= 4; ++n) {
      const char name[9] = {'P', 'l', 'a', 'y', 'e', 'r', ' ', static_cast<char>('0' + n), 0};
      b.insert(b.end(), name, name + 9);
    }
    const uint8_t rest[] = {static_cast<uint8_t>(index), 0, 1, 0, 1, 0, 25, 0};
    b.insert(b.end(), rest, rest + 8);
    std::ofstream("bexil.ini", std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    Start();
    ASSERT_EQ(Probe().State().ScreenUp, SceneScreen::Hints);
  }
};

TEST_F(Panels, NextPlayerStepsThroughTheColumnsOfTheGame) {
  struct Case {
    int players;
    std::vector<int> shown;  // the column first shown, then after each Next Player
  };
  const Case cases[] = {
      {0, {0, 1, 0, 1}}, {1, {1, 1, 1}}, {2, {1, 2, 1}}, {3, {1, 2, 3, 1, 2}}, {4, {1, 2, 3, 4, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.players);
    Start();
    StartGame(c.players);
    Run("command 103\n");
    ASSERT_EQ(Probe().State().ScreenUp, SceneScreen::Totals);
    EXPECT_EQ(Probe().State().TotalsPlayer, c.shown[0]);
    for (size_t k = 1; k < c.shown.size(); ++k) {
      Run(kNextPlayer);
      EXPECT_EQ(Probe().State().TotalsPlayer, c.shown[k]) << "step " << k;
    }
    // The board takes no presses meanwhile; Return closes the panel at the first column.
    Run("press cup\n");
    EXPECT_EQ(Probe().Game().ThrowsMade, 0);
    Run("click 339 375\n");
    EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::Totals);
    Run(kTotalsReturn);
    EXPECT_NE(Probe().State().ScreenUp, SceneScreen::Totals);
    EXPECT_EQ(Probe().State().TotalsPlayer, c.players == 0 ? 0 : 1);
  }
}

TEST_F(Panels, CurrentTotalsOnlyDuringAGame) {
  Run("command 103\n");  // on the setup screen, before any game
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::Totals);
  StartGame(1);
  Run("set GameActive 0\ncommand 103\n");  // after a game has ended
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::Totals);
  Run("set GameActive 1\ncommand 103\n");
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::Totals);
  // DrawTotals draws nothing at all without a game.
  const auto before = Pixels();
  Probe().Game().GameActive = 0;
  Probe().Game().Sheet[1].Entry[3] = 25;
  Probe().DrawTotals();
  EXPECT_EQ(Pixels(), before);
}

TEST_F(Panels, AWrittenZeroShowsAndAnEmptyCategoryDoesNot) {
  StartGame(1);
  Run("command 103\n");
  Probe().DrawTotals();
  const auto blank = Pixels();
  Probe().Game().Sheet[1].Entry[5] = 0;
  Probe().DrawTotals();
  EXPECT_NE(Pixels(), blank);
  Probe().Game().Sheet[1].Entry[5] = -1;
  Probe().DrawTotals();
  EXPECT_EQ(Pixels(), blank);
  // Against the computer the first column is the computer's, titled by its name.
  Probe().Game().PlayerCount = 0;
  Probe().State().TotalsPlayer = 0;
  Probe().DrawTotals();
  const auto computer = Pixels();
  std::strcpy(Probe().State().PlayerName[1], "Computer");
  Probe().State().TotalsPlayer = 1;
  Probe().DrawTotals();
  EXPECT_EQ(Pixels(), computer);  // same name, same empty column: same picture
}

TEST_F(Panels, TotalsSurviveOutOfRangeState) {
  StartGame(3);
  Run("command 103\n");
  for (int who : {-7, 5, 1000}) {
    for (int players : {-2, 0, 3, 9}) {
      Probe().State().TotalsPlayer = who;
      Probe().Game().PlayerCount = players;
      Probe().DrawTotals();
      EXPECT_GE(Probe().State().TotalsPlayer, 0);
      EXPECT_LE(Probe().State().TotalsPlayer, 4);
    }
  }
  Run("set TotalsPlayer 99\n" + std::string(kNextPlayer));
  // Stepping on from the largest counter wraps to the first column, never past the end.
  Run("set TotalsPlayer 2147483647\n" + std::string(kNextPlayer));
  EXPECT_EQ(Probe().State().TotalsPlayer, 1);
}

TEST_F(Panels, TipsCounterFarOutOfRangeStartsAgain) {
  // Next Hint and Return both step the counter; from the largest value it starts again at the
  // first tip instead of wrapping around to a negative (tips off) counter.
  for (const char* press : {kNextHint, "click 400 360\n"}) {
    OpenOnTips(3);
    Run("set HintIndex 2147483647\n" + std::string(press));
    EXPECT_EQ(Probe().State().HintIndex, 0) << press;
  }
}

TEST_F(Panels, TipsRotateAndReturnStartsTheGame) {
  OpenOnTips(18);
  Probe().DrawHints();
  const auto first = Pixels();
  Run(kNextHint);
  EXPECT_EQ(Probe().State().HintIndex, 19);
  Run(kNextHint);
  EXPECT_EQ(Probe().State().HintIndex, 0);  // 20 starts again at the first tip when drawn
  for (int k = 0; k < 18; ++k) Run(kNextHint);
  EXPECT_EQ(Probe().State().HintIndex, 18);
  EXPECT_EQ(Pixels(), first);  // twenty steps bring the same tip back
  // x 445 is Return, not Next Hint.
  Run("click 445 360\n");
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::Hints);
  EXPECT_EQ(Probe().State().HintIndex, 19);
  EXPECT_EQ(Probe().Game().GameActive, 1);
  EXPECT_EQ(Probe().Game().PlayerCount, 1);
  Run("close\n");
  std::ifstream in("bexil.ini", std::ios::binary);
  std::vector<char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(b.size(), 52u);
  EXPECT_EQ(b[44], 19);
}

TEST_F(Panels, EveryTipFitsAndTheGivenOnesAreExact) {
  const auto& t = Probe().State().HintText;
  for (int k = 0; k < TWindowState::HintCount; ++k) {
    int lines = 0;
    for (int l = 1; l <= 4; ++l) {
      EXPECT_LE(t[k][l].size(), 29u) << k << "/" << l;
      lines += !t[k][l].empty();
    }
    EXPECT_GE(lines, 2) << k;
  }
  EXPECT_EQ(t[0][3], "pressing the \"+\"");
  EXPECT_EQ(t[0][4], "or \"-\" key.");
  EXPECT_EQ(t[3][4], "            - student quote");
  EXPECT_EQ(t[9][4], "              - student quote");
  EXPECT_EQ(t[11][3], "            - news item");
  EXPECT_EQ(t[17][2], "were called mummies.  They");
  EXPECT_EQ(t[17][4], "           - student quote");
  EXPECT_EQ(t[19][2], " - Sleep on a corduroy");
  EXPECT_EQ(t[2][1], "You can stop a piece of music");
  EXPECT_TRUE(t[15][3].empty() && t[15][4].empty());
}

TEST_F(Panels, TipsSurviveOutOfRangeCounters) {
  OpenOnTips(0);
  for (int index : {-5, 20, 21, 5000}) {
    Probe().State().HintIndex = index;
    Probe().DrawHints();
    EXPECT_LT(Probe().State().HintIndex, TWindowState::HintCount);
  }
  Run("set HintIndex 77\n" + std::string(kNextHint));
  EXPECT_EQ(Probe().State().HintIndex, 0);  // 78 starts again at the first tip
}

// The computer's total line reaches past the panel area; the panels leave nothing of it showing.
TEST_F(Panels, NoSliverOfTheSheetShowsBesideAPanel) {
  StartGame(0);
  auto strip = [this] {
    std::vector<uint32_t> out;
    for (int y = 75; y <= 411; ++y)
      for (int x = 576; x <= 595; ++x) out.push_back(W().Screen().Pixel(x, y));
    return out;
  };
  const std::string returns = "click 340 375\nclick 400 350\n";  // either panel's Return
  for (const char* command : {"command 103\n", "command 104\n"}) {
    SCOPED_TRACE(command);
    Run("set CurrentPlayer 1\n" + std::string(command));  // a short total line beneath
    const std::vector<uint32_t> clean = strip();
    Run(returns + "set CurrentPlayer 0\nset Sheet[0].Total 288\nset Sheet[0].Entry[12] 30\n");
    Probe().Show().DrawTotalLine(false);
    Probe().Show().DrawScoreColumn(false);
    ASSERT_NE(strip(), clean);  // the total's last digit lies in the strip
    Run(command);
    EXPECT_EQ(strip(), clean);
    Run(returns + "set Sheet[0].Total 0\nset Sheet[0].Entry[12] -1\n");
  }
}

}  // namespace
}  // namespace ossaric
