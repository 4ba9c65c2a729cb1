// The Top Ten: the file's bytes, entering the totals at the end of a game, the result box and
// the panel's skip rule. Files that cannot be placed, read or written: test_topten_file.cpp.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <random>
#include <vector>

#include "topten_fixture.h"

namespace ossaric {
namespace {

using namespace testing;  // the Top Ten fixture and its file builders

TEST_F(TopTen, MissingFileIsCreatedEmptyAndAShortOneIsReadAsFarAsItGoes) {
  EXPECT_EQ(ReadAll(File()), Table({}));
  EXPECT_EQ(Probe().State().TopTenPath, File());
  EXPECT_STREQ(Probe().State().TopTen[0].Name, "TopScore");

  // A short file: the whole entries present are read, the file is not rewritten at start.
  Bytes shortFile = Table({{"Anna", 120}, {"Bert", 80}}, 77);
  shortFile.resize(30);
  WriteAll(File(), shortFile);
  Start();
  EXPECT_EQ(Probe().State().TopTen[0].Score, 77);
  EXPECT_EQ(Place(1), "Anna:120");
  EXPECT_EQ(Place(2), ":0");
  EXPECT_EQ(ReadAll(File()).size(), 30u);

  // A longer file: the first 121 bytes count; saving writes back exactly 121.
  Bytes longFile = Table({{"Anna", 120}}, 77);
  longFile.insert(longFile.end(), 40, 0xab);
  WriteAll(File(), longFile);
  Start();
  EXPECT_EQ(Place(1), "Anna:120");
  Probe().ClearTopTen();
  Bytes cleared = Entry("TopScore", 77);
  for (int k = 1; k <= 10; ++k) {
    Bytes e = Entry("        ", 0);
    cleared.insert(cleared.end(), e.begin(), e.end());
  }
  EXPECT_EQ(ReadAll(File()), cleared);  // the header's number is kept
}

TEST_F(TopTen, GarbledFilesGiveASaneTable) {
  Bytes b = Table({{"Low", 10}, {"NoEndXXXXX", 300}, {"Neg", -5}, {"Mid", 90}, {"Mid2", 90}});
  std::memcpy(b.data(), "Garbage!!", 9);  // a damaged header
  WriteAll(File(), b);
  Start();
  EXPECT_STREQ(Probe().State().TopTen[0].Name, "TopScore");
  EXPECT_EQ(Place(1), "NoEndXXX:300");  // cut to eight characters and terminated
  EXPECT_EQ(Place(2), "Mid:90");        // put in order, equal scores keep theirs
  EXPECT_EQ(Place(3), "Mid2:90");
  EXPECT_EQ(Place(4), "Low:10");
  EXPECT_EQ(Place(5), ":0");  // a negative score is an empty place
  // A 0 total never enters, even with places of 0 left.
  EndGame(3, {0, 0, 0, 0, 0});
  EXPECT_EQ(Place(5), ":0");
}

TEST_F(TopTen, EnteringTotals) {
  const std::initializer_list<std::pair<const char*, int>> full = {
      {"A", 100}, {"B", 90}, {"C", 80}, {"D", 70}, {"E", 60},
      {"F", 50},  {"G", 40}, {"H", 30}, {"I", 20}, {"J", 10}};
  // Equal to the tenth does not enter; one more enters at place 10.
  SetTable(full);
  EndGame(1, {0, 10, 0, 0, 0});
  EXPECT_EQ(Place(10), "J:10");
  SetTable(full);
  EndGame(1, {0, 11, 0, 0, 0});
  EXPECT_EQ(Place(10), "Player 1:11");
  EXPECT_EQ(Place(9), "I:20");

  // Ties: both players enter below the equal score already there, the lower number first.
  SetTable(full);
  EndGame(2, {0, 60, 60, 0, 0});
  EXPECT_EQ(Place(5), "E:60");
  EXPECT_EQ(Place(6), "Player 1:60");
  EXPECT_EQ(Place(7), "Player 2:60");
  EXPECT_EQ(Place(8), "F:50");
  EXPECT_EQ(Place(10), "H:30");

  // Against the computer only player 1 enters, even below the computer's total.
  SetTable({});
  EndGame(0, {300, 5, 0, 0, 0});
  EXPECT_EQ(Place(1), "Player 1:5");
  EXPECT_EQ(Place(2), ":0");

  // Four players into an empty table, best first.
  SetTable({});
  std::strcpy(Probe().State().PlayerName[3], "Cleo");
  EndGame(4, {0, 150, 210, 180, 150});
  EXPECT_EQ(Place(1), "Player 2:210");
  EXPECT_EQ(Place(2), "Cleo:180");
  EXPECT_EQ(Place(3), "Player 1:150");
  EXPECT_EQ(Place(4), "Player 4:150");
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::TopTen);

  // Totals are 16-bit numbers: 300 is stored as 2c 01; a total beyond them counts as 32767.
  SetTable({});
  EndGame(1, {0, 300, 0, 0, 0});
  Bytes b = ReadAll(File());
  ASSERT_EQ(b.size(), 121u);
  EXPECT_EQ(Bytes(b.begin() + 11, b.begin() + 22), Entry("Player 1", 300));
  EndGame(1, {0, 40000, 0, 0, 0});
  EXPECT_EQ(Place(1), "Player 1:32767");
  EXPECT_EQ(Place(2), "Player 1:300");
}

TEST_F(TopTen, ResultTextsForEveryNumberOfPlayers) {
  struct Case {
    int players;
    std::initializer_list<int> totals;  // columns 0..4
    const char* text;
  };
  const Case cases[] = {
      {1, {0, 180, 0, 0, 0}, "180 points was scored by Player 1"},
      {0, {200, 150, 0, 0, 0}, "200\tComputer\n150\tPlayer 1"},
      {0, {150, 200, 0, 0, 0}, "200\tPlayer 1\n150\tComputer"},
      {0, {100, 100, 0, 0, 0}, "100\tPlayer 1\n100\tComputer"},
      {2, {0, 150, 200, 0, 0}, "200\tPlayer 2\n150\tPlayer 1"},
      {2, {0, 120, 120, 0, 0}, "120\tPlayer 1\n120\tPlayer 2"},
      {3, {0, 120, 180, 120, 0}, "\n180\tPlayer 2\n120\tPlayer 1\n120\tPlayer 3\n"},
      {4, {0, 10, 0, 30, 20}, "\n30\tPlayer 3\n20\tPlayer 4\n10\tPlayer 1\n0\t\n"},
      {4, {0, 5, 6, 7, 8}, "\n8\tPlayer 4\n7\tPlayer 3\n6\tPlayer 2\n5\tPlayer 1\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EndGame(c.players, c.totals);
    ASSERT_FALSE(Host().messages_.empty());
    EXPECT_EQ(Host().messages_.front(), std::string("Game Over|") + c.text);
  }
  // A name of eight characters is written whole.
  std::strcpy(Probe().State().PlayerName[1], "Eightchr");
  EndGame(1, {0, 7, 0, 0, 0});
  EXPECT_EQ(Host().messages_.front(), "Game Over|7 points was scored by Eightchr");
  // Out-of-range players give a text and no fault.
  EndGame(9, {0, 1, 2, 3, 4});
  EndGame(-4, {0, 1, 2, 3, 4});
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::TopTen);
}

TEST_F(TopTen, PanelSkipsEmptyAndEightSpacePlaces) {
  Run("press start\n");  // a game, so the command is taken
  SetTable({{"Bob", 90}, {"Cy", 80}});
  Run("command 104\n");
  ASSERT_EQ(Probe().State().ScreenUp, SceneScreen::TopTen);
  const auto plain = Pixels();
  // An eight-space name or a score of 0 leaves no trace and no gap.
  SetTable({{"        ", 100}, {"Bob", 90}, {"Zed", 0}, {"Cy", 80}});
  Probe().DrawTopTen();
  EXPECT_EQ(Pixels(), plain);
  SetTable({});
  Probe().DrawTopTen();
  const auto empty = Pixels();
  EXPECT_NE(empty, plain);
  // After clearing, the next drawing shows only the headings.
  SetTable({{"Bob", 90}});
  Probe().ClearTopTen();
  Probe().DrawTopTen();
  EXPECT_EQ(Pixels(), empty);
  // Return goes back to the game.
  Run("press topten-return\n");
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::TopTen);
  EXPECT_EQ(Probe().Game().GameActive, 1);
}

// Wide names keep clear of their scores; ordinary ones leave the scores at x 475.
TEST_F(TopTen, ScoresKeepClearOfWideNames) {
  Run("press start\n");
  auto inked = [](const Surface& s, int x) {
    for (int y = 164; y < 180; ++y)
      if (s.Pixel(x, y) == SetupInk) return true;
    return false;
  };
  for (const char* name : {"WWWWWWWW", "MMMMMMMM", "Bob"}) {
    SCOPED_TRACE(name);
    // Where the name alone inks.
    Surface alone;
    alone.FillRect(0, 0, 632, 434, Parchment);
    alone.DrawText(FontId::Setup, 350, 164, name, SetupInk);
    int nameInkEnd = -1;
    for (int x = 350; x < 632; ++x)
      if (inked(alone, x)) nameInkEnd = x;
    SetTable({{name, 300}});
    Run("command 104\n");
    int scoreStart = -1;
    for (int x = nameInkEnd + 1; x < 576 && scoreStart < 0; ++x)
      if (inked(W().Screen(), x)) scoreStart = x;
    ASSERT_GE(scoreStart, 0);
    EXPECT_GE(scoreStart - nameInkEnd, 3);  // clear columns between name and score
    if (std::string(name) == "Bob") {
      EXPECT_LE(scoreStart, 480);
    }
    Run("press topten-return\n");
  }
}

TEST_F(TopTen, CommandsFollowTheScreens) {
  // On the setup screen the Top Ten command does nothing; Clear works at any time.
  Run("command 104\n");
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::TopTen);
  std::strcpy(Probe().State().TopTen[1].Name, "Ann");
  Probe().State().TopTen[1].Score = 50;
  Run("command 105\n");
  EXPECT_STREQ(Probe().State().TopTen[1].Name, "        ");
  EXPECT_EQ(Probe().State().TopTen[1].Score, 0);
  // Opened during a game against the computer it resets the totals column and closes the rest.
  Run("set PlayerCount 0\npress start\ncommand 103\n");
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::Totals);
  Run("set TotalsPlayer 1\ncommand 104\n");
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::TopTen);
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::Totals);
  EXPECT_EQ(Probe().State().TotalsPlayer, 0);
  Run("click 471 373\n");
  EXPECT_NE(Probe().State().ScreenUp, SceneScreen::TopTen);
  EXPECT_EQ(Probe().Game().GameActive, 1);
}

TEST_F(TopTen, AGamePlayedToItsEndLeavesTheFile) {
  Run("press start\n");
  for (int turn = 0; turn < 12; ++turn) {
    Run("faces 6 6 6 6 6\npress cup\n");
    for (int k = 1; k <= 12; ++k) {
      if (Probe().Game().Sheet[1].Entry[k] == -1) {
        Run(Row(k));
        break;
      }
    }
  }
  ASSERT_EQ(Probe().Game().GameActive, 0);
  EXPECT_EQ(Probe().State().ScreenUp, SceneScreen::TopTen);
  const int total = Probe().Game().Sheet[1].Total;
  ASSERT_GT(total, 0);
  EXPECT_NE(std::find(Host().messages_.begin(), Host().messages_.end(),
                      "Game Over|" + std::to_string(total) + " points was scored by Player 1"),
            Host().messages_.end());
  EXPECT_EQ(ReadAll(File()), Table({{"Player 1", total}}));
  // The next start reads it back.
  Start();
  EXPECT_EQ(Place(1), "Player 1:" + std::to_string(total));
}

}  // namespace
}  // namespace ossaric
