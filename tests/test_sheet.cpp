// The score sheet: scores right-aligned at x 575, the total line 40 pixels after its label, the
// newest score in its own ink.
#include <gtest/gtest.h>

#include <cstdio>

#include "paint_art.h"

namespace ossaric {
namespace {

using testing::C;
using testing::Count;
using testing::GameTest;
using testing::InstallTestArt;
using testing::Scene;

class Sheet : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    InstallTestArt(W());
    Run("set SetupShown 0\nset GameActive 1\npaint\n");
  }
  const Surface& S() { return W().Screen(); }
  // Leftmost and rightmost columns holding `ink` in the rectangle; -1 when none.
  std::pair<int, int> InkColumns(int x, int y, int w, int h, Rgb ink) {
    int lo = -1, hi = -1;
    for (int xx = x; xx < x + w; ++xx) {
      if (Count(S(), xx, y, 1, h, ink) == 0) continue;
      if (lo < 0) lo = xx;
      hi = xx;
    }
    return {lo, hi};
  }
};

TEST(Fonts, CharacterCellsAreThirtyTwentyAndSixteenPixelsHigh) {
  Surface s;
  EXPECT_EQ(s.CellHeight(FontId::Sheet), 30);
  EXPECT_EQ(s.CellHeight(FontId::Setup), 20);
  EXPECT_EQ(s.CellHeight(FontId::Name), 16);
  // The names' font is fixed-pitch: every eight-character name takes the same width.
  EXPECT_EQ(s.TextWidth(FontId::Name, "iiiiiiii"), s.TextWidth(FontId::Name, "WWWWWWWW"));
  // Text is solid ink: writing it twice changes nothing more.
  s.FillRect(0, 0, 200, 40, Parchment);
  s.DrawText(FontId::Sheet, 10, 5, "Full House", ScoreInk);
  std::vector<Rgb> once;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 200; ++x) {
      once.push_back(s.Pixel(x, y));
      EXPECT_TRUE(once.back() == Parchment || once.back() == ScoreInk);
    }
  s.DrawText(FontId::Sheet, 10, 5, "Full House", ScoreInk);
  for (int y = 0, i = 0; y < 40; ++y)
    for (int x = 0; x < 200; ++x, ++i) EXPECT_EQ(s.Pixel(x, y), once[i]);
}

TEST_F(Sheet, ScoresStandRightAlignedAtX575) {
  const int values[13] = {0, -1, 0, 5, 25, 50, -1, 30, 7, 12, 1, 28, 18};
  for (int player : {1, 0, 4}) {
    Run("set CurrentPlayer " + std::to_string(player) + "\n");
    for (int k = 1; k <= 12; ++k) Probe().Game().Sheet[player].Entry[k] = values[k];
    Probe().Show().DrawScoreColumn(true);
    Probe().Show().DrawScoreColumn(false);
    for (int k = 1; k <= 12; ++k) {
      const auto [lo, hi] = InkColumns(480, RowTop(k), 140, 24, C(testing::kScore));
      if (values[k] < 0) {
        EXPECT_EQ(hi, -1) << "row " << k << " must stay blank";
        continue;
      }
      // The text ends at 575; an italic glyph may lean a pixel or two either way.
      EXPECT_GE(hi, 571) << "row " << k;
      EXPECT_LE(hi, 577) << "row " << k;
      const int width = W().Screen().TextWidth(FontId::Sheet, std::to_string(values[k]));
      EXPECT_NEAR(lo, 575 - width, 3) << "row " << k;
    }
    // Erasing brings back the clean sheet, even after numbers too wide for the column.
    Probe().Game().Sheet[player].Entry[2] = 12345;
    Probe().Show().DrawScoreColumn(false);
    Probe().Show().DrawNewScore(4567, RowTop(6));
    Probe().Show().DrawScoreColumn(true);
    EXPECT_EQ(Count(S(), 0, 0, 632, 370, C(testing::kScore)), 0);
    EXPECT_EQ(Count(S(), 0, 0, 632, 434, C(testing::kNewScore)), 0);
    int wrong = 0;
    for (int y = 75; y < 75 + 289; ++y)
      for (int x = 548; x < 548 + 47; ++x) wrong += S().Pixel(x, y) != Scene(W(), x, y);
    EXPECT_EQ(wrong, 0);
  }
}

TEST_F(Sheet, TotalLineEndsFortyPixelsAfterItsLabel) {
  struct Case {
    int player;
    const char* name;
    int total;
    const char* label;
  } cases[] = {{1, "Al", 7, "Al's Total:"},
               {2, "Wolfgang", 12, "Wolfgang's Total:"},
               {0, "ignored", 0, "Computer's Total:"},
               {3, "", 25, "'s Total:"}};
  for (const Case& c : cases) {
    Run("set CurrentPlayer " + std::to_string(c.player) + "\n");
    if (c.player > 0) std::snprintf(Probe().State().PlayerName[c.player], 9, "%s", c.name);
    Probe().Game().Sheet[c.player].Total = c.total;
    Probe().Show().DrawTotalLine(false);
    // The same line composed from its geometry: label at 335, number ending 40 px after it.
    Surface reference;
    reference.DrawBitmap(Probe().Pictures().Background, 0, 0);
    const std::string number = std::to_string(c.total);
    const int labelWidth = reference.TextWidth(FontId::Sheet, c.label);
    // Nothing of it leans out of the strip that erases it.
    reference.DrawText(FontId::Sheet, 335, 375, c.label, C(testing::kScore), 335, 375, 258, 37);
    reference.DrawText(FontId::Sheet,
                       335 + labelWidth + 40 - reference.TextWidth(FontId::Sheet, number), 375,
                       number, C(testing::kScore), 335, 375, 258, 37);
    int wrong = 0;
    for (int y = 370; y < 420; ++y)
      for (int x = 330; x < 632; ++x) {
        wrong += S().Pixel(x, y) != reference.Pixel(x, y);
      }
    EXPECT_EQ(wrong, 0) << c.label;
    // And as seen: the number's ink ends near the label's end + 40.
    const auto [lo, hi] = InkColumns(335, 375, 297, 37, C(testing::kScore));
    EXPECT_GE(lo, 335) << c.label;
    EXPECT_LE(lo, 341) << c.label;
    EXPECT_NEAR(hi, 335 + labelWidth + 40, 3) << c.label;
    // Erasing restores the strip.
    Probe().Show().DrawTotalLine(true);
    EXPECT_EQ(Count(S(), 335, 375, 258, 37, C(testing::kScore)), 0);
  }
}

// Whatever the name and the total, the whole number is written inside the strip, apart from the
// label; where the label leaves room, it still ends 40 pixels after the label.
TEST_F(Sheet, TotalIsAlwaysReadable) {
  const Rgb ink = C(testing::kScore);
  const int gap = S().TextWidth(FontId::Sheet, " ");
  std::vector<std::pair<int, std::string>> names = {{0, "Computer"}};
  for (std::string full : {"WWWWWWWW", "Mohammed", "iiiiiiii", "Computer", "A"})
    for (size_t n = 1; n <= full.size(); ++n) names.push_back({1, full.substr(0, n)});
  for (const auto& [player, name] : names) {
    for (int total : {0, 9, 99, 150, 999, 32767}) {
      const std::string number = std::to_string(total);
      SCOPED_TRACE(name + " " + number);
      Probe().Game().CurrentPlayer = player;
      std::snprintf(Probe().State().PlayerName[1], 9, "%s", name.c_str());
      Probe().Game().Sheet[player].Total = total;
      Probe().Show().DrawTotalLine(false);
      // The number alone, as columns of ink.
      Surface alone;
      alone.DrawText(FontId::Sheet, 100, 375, number, ink);
      int first = -1, last = -1;
      for (int x = 80; x < 300; ++x) {
        if (Count(alone, x, 375, 1, 37, ink) == 0) continue;
        if (first < 0) first = x;
        last = x;
      }
      const int width = last - first + 1;
      const auto [lo, hi] = InkColumns(335, 375, 297, 37, ink);
      ASSERT_GE(lo, 335);
      EXPECT_LE(hi, 592) << "the number runs off the strip";
      int wrong = 0;
      for (int dx = 0; dx < width; ++dx)
        wrong += Count(S(), hi - width + 1 + dx, 375, 1, 37, ink) !=
                 Count(alone, first + dx, 375, 1, 37, ink);
      EXPECT_EQ(wrong, 0) << "the number is not whole";
      EXPECT_EQ(Count(S(), hi - width - 2, 375, 3, 37, ink), 0) << "the number touches the label";
      EXPECT_GT(Count(S(), 335, 375, hi - width - 337, 37, ink), 100) << "no label";
      const int labelWidth = S().TextWidth(FontId::Sheet, name + "'s Total:");
      const int numberWidth = S().TextWidth(FontId::Sheet, number);
      if (numberWidth <= 40 - gap && 335 + labelWidth + 40 <= 589) {
        EXPECT_NEAR(hi, 335 + labelWidth + 40, 3) << "moved without need";
      }
      Probe().Show().DrawTotalLine(true);
      EXPECT_EQ(Count(S(), 0, 0, 632, 434, ink), 0);
    }
  }
}

TEST_F(Sheet, NewestScoreInItsOwnInkUntilTheColumnIsDrawn) {
  for (int players : {1, 2}) {
    Start();
    StartGame(players);
    InstallTestArt(W());
    Run("set SoundOn 0\nfaces 3 3 3 3 3\npress cup\n" + Row(kThrees));
    ASSERT_EQ(Probe().Game().Sheet[1].Entry[kThrees], 15);
    const Rgb ink = players == 1 ? C(testing::kScore) : C(testing::kNewScore);
    const Rgb other = players == 1 ? C(testing::kNewScore) : C(testing::kScore);
    EXPECT_GT(Count(S(), 540, RowTop(kThrees), 60, 30, ink), 20) << players;
    EXPECT_EQ(Count(S(), 540, RowTop(kThrees), 60, 30, other), 0) << players;
    // The total line follows at once in the score ink.
    EXPECT_GT(Count(S(), 335, 375, 258, 37, C(testing::kScore)), 100);
    if (players == 2) {
      // Player 1 gets the cup back later: his column is then drawn in the score ink.
      Run("press cup\nfaces 1 1 1 1 1\npress cup\n" + Row(kOnes) + kCup);
      ASSERT_EQ(Probe().Game().CurrentPlayer, 1);
      EXPECT_GT(Count(S(), 540, RowTop(kThrees), 60, 30, C(testing::kScore)), 20);
      EXPECT_EQ(Count(S(), 540, 75, 60, 290, C(testing::kNewScore)), 0);
    }
  }
}

}  // namespace
}  // namespace ossaric
