// The setup screen: the greyed choices, the player-count dot, the name fields, the tip box, the
// growing and shrinking dot and the blinking caret.
#include <gtest/gtest.h>

#include "paint_art.h"

namespace ossaric {
namespace {

using testing::C;
using testing::Count;
using testing::Differences;
using testing::GameTest;
using testing::InstallTestArt;
using testing::Snapshot;

class Setup : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    InstallTestArt(W());
  }
  const Surface& S() { return W().Screen(); }
  bool Filled(int x, int y, int w, int h, testing::TestColour c) {
    return Count(S(), x, y, w, h, C(c)) == w * h;
  }
};

TEST_F(Setup, DotAndNameFieldsFollowThePlayerCount) {
  const int dotX[5] = {475, 327, 365, 404, 440};
  const int fieldX[5] = {0, 352, 459, 352, 459}, fieldY[5] = {0, 277, 277, 305, 305};
  for (int count : {0, 1, 2, 3, 4, -1, 5, 300}) {
    Run("set PlayerCount " + std::to_string(count) + "\npaint\n");
    // No field 0 and none beyond the four, whatever the count says.
    for (int n : {0, 5, 8}) {
      Run("press name " + std::to_string(n) + "\n");
      EXPECT_EQ(Probe().State().NameEditing, 0) << "count " << count << " field " << n;
    }
    for (int n = 0; n <= 4; ++n)
      EXPECT_EQ(Filled(dotX[n], 227, 11, 11, testing::kDotL), n == count)
          << "count " << count << " box " << n;
    // Name 1 is always written; fields 2..4 carry a name up to the count and are grey beyond.
    EXPECT_GT(Count(S(), 355, 280, 76, 18, C(testing::kSetup)), 20);
    for (int n = 2; n <= 4; ++n) {
      const bool named = n <= count;  // a count beyond four names all four
      const testing::TestColour field = named ? testing::kNameBox : testing::kGreyNameBox;
      EXPECT_EQ(S().Pixel(fieldX[n] + 1, fieldY[n] + 1), C(field)) << count << " field " << n;
      EXPECT_EQ(Count(S(), fieldX[n], fieldY[n], 82, 24, C(testing::kSetup)) > 20, named)
          << count << " field " << n;
    }
  }
  // The fixed choices: dotted and greyed whatever the count.
  for (auto [x, y] : {std::pair{317, 98}, {432, 98}})
    EXPECT_TRUE(Filled(x, y, 11, 11, testing::kDotL));
  for (auto [x, y] : {std::pair{313, 117}, {428, 117}, {379, 170}, {423, 170}, {471, 170}})
    EXPECT_TRUE(Filled(x, y, 19, 19, testing::kGreyBox)) << x << "," << y;
  for (auto [x, y, w] : {std::tuple{338, 117, 60},
                         {453, 117, 120},
                         {401, 170, 15},
                         {445, 170, 15},
                         {493, 170, 15}}) {
    EXPECT_GT(Count(S(), x, y, w, 20, C(testing::kGrey)), 10) << x << "," << y;
    EXPECT_EQ(Count(S(), x, y, w, 20, C(testing::kSetup)), 0) << x << "," << y;
  }
  for (auto [x, w] : {std::pair{344, 12}, {382, 12}, {421, 12}, {457, 12}, {491, 80}})
    EXPECT_GT(Count(S(), x, 223, w, 20, C(testing::kSetup)), 10) << x;
  EXPECT_GT(Count(S(), 338, 94, 60, 20, C(testing::kSetup)), 10);
  EXPECT_GT(Count(S(), 453, 94, 120, 20, C(testing::kSetup)), 10);
}

TEST_F(Setup, NamesSetCursorsEndsAndCaret) {
  Run("set PlayerName[1] Ann\nset PlayerName[2] Bartholo\nset PlayerName[3] X\n"
      "set PlayerCount 3\npaint\n");
  Probe().State().PlayerName[4][0] = '\0';
  Probe().DrawPlayerNames();
  EXPECT_EQ(Probe().State().NameCursor[1], 2);
  EXPECT_EQ(Probe().State().NameCursor[2], 7);
  EXPECT_EQ(Probe().State().NameCursor[3], 0);
  EXPECT_EQ(Probe().State().NameCursor[4], -1);
  const int width[4] = {S().TextWidth(FontId::Name, "Ann"), S().TextWidth(FontId::Name, "Bartholo"),
                        S().TextWidth(FontId::Name, "X")};
  EXPECT_EQ(Probe().State().NameEndX[1], 355 + width[0]);
  EXPECT_EQ(Probe().State().NameEndY[1], 280);
  EXPECT_EQ(Probe().State().NameEndX[2], 462 + width[1]);
  EXPECT_EQ(Probe().State().NameEndY[2], 280);
  EXPECT_EQ(Probe().State().NameEndX[3], 355 + width[2]);
  EXPECT_EQ(Probe().State().NameEndY[3], 308);
  EXPECT_EQ(Probe().State().CaretX, 355 + width[2]);
  EXPECT_EQ(Probe().State().CaretY, 308);
  // Eight characters fit their field.
  EXPECT_LE(width[1], 82 - 6);
}

TEST_F(Setup, TipBoxTickedByHintIndex) {
  Run("set HintIndex -1\npaint\n");
  EXPECT_EQ(Count(S(), 345, 358, 19, 19, C(testing::kTick)), 0);
  Run("set HintIndex 3\npaint\n");
  // The lower-left 11 x 11 block of the tick picture, at (349, 362).
  int wrong = 0;
  for (int r = 0; r < 11; ++r)
    for (int c = 0; c < 11; ++c)
      wrong += S().Pixel(349 + c, 362 + r) != Probe().Pictures().TickImage.Colour(c, r + 4);
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(S().Pixel(360, 362), C(testing::kScroll));
  // A click on the box takes the tick away: the empty box covers it.
  Run("click 345 358\n");
  EXPECT_EQ(Probe().State().HintIndex, -1);
  EXPECT_TRUE(Filled(345, 358, 19, 19, testing::kBox));
  Run("click 345 358\n");
  EXPECT_EQ(Count(S(), 349, 362, 11, 11, C(testing::kTick)), 60);
}

TEST_F(Setup, ChoiceDotGrowsAndShrinksInHundredMillisecondSteps) {
  ASSERT_EQ(Probe().Game().PlayerCount, 1);
  uint32_t t = Host().clock_;
  Run("click 361 223\n");  // two players: the old dot shrinks away, the new one grows
  EXPECT_EQ(Probe().Game().PlayerCount, 2);
  EXPECT_EQ(Host().clock_ - t, 600u);
  EXPECT_TRUE(Filled(365, 227, 11, 11, testing::kDotL));
  EXPECT_TRUE(Filled(323, 223, 19, 19, testing::kBox));
  // The same choice again animates nothing.
  t = Host().clock_;
  Run("click 361 223\n");
  EXPECT_EQ(Host().clock_ - t, 0u);
  const auto before = Snapshot(S());
  Probe().AnimateChoiceDot(0, 86, 215);
  EXPECT_TRUE(Filled(361, 223, 19, 19, testing::kBox));
  Probe().AnimateChoiceDot(1, 196, 215);
  EXPECT_TRUE(Filled(475, 227, 11, 11, testing::kDotL));
  // Modes other than 0 and 1 draw nothing and take no time.
  const auto after = Snapshot(S());
  t = Host().clock_;
  Probe().AnimateChoiceDot(2, 125, 215);
  Probe().AnimateChoiceDot(-1, 125, 215);
  EXPECT_EQ(Host().clock_ - t, 0u);
  EXPECT_EQ(Differences(after, Snapshot(S()), 632), 0);
  EXPECT_GT(Differences(before, after, 632), 0);
}

TEST_F(Setup, CaretBlinksOnAndOff) {
  Run("click 352 277\n");  // edit name 1
  const int x = Probe().State().CaretX, y = Probe().State().CaretY;
  ASSERT_EQ(x, Probe().State().NameEndX[1]);
  const std::vector<std::array<int, 4>> strip = {{x - 2, y + 12, 12, 3}};
  for (int start : {1, 0}) {
    Run("paint\nset CaretPhase " + std::to_string(start) + "\n");
    const auto clean = Snapshot(S());
    Run("tick\n");
    const auto first = Snapshot(S());
    Run("tick\n");
    const auto second = Snapshot(S());
    EXPECT_EQ(Probe().State().CaretPhase, start);
    // Drawn and wiped only inside the 12 x 3 strip.
    EXPECT_EQ(Differences(clean, first, 632, strip), 0);
    EXPECT_EQ(Differences(clean, second, 632, strip), 0);
    const auto& drawn = start == 1 ? first : second;
    const auto& wiped = start == 1 ? second : first;
    int ink = 0, parchment = 0;
    for (int yy = y + 12; yy < y + 15; ++yy) {
      for (int xx = x - 2; xx < x + 10; ++xx) {
        ink += drawn[yy * 632 + xx] == C(testing::kSetup);
        parchment += wiped[yy * 632 + xx] == C(testing::kParchment);
      }
    }
    EXPECT_GT(ink, 6) << "start " << start;
    EXPECT_EQ(parchment, 36) << "start " << start;
  }
}

}  // namespace
}  // namespace ossaric
