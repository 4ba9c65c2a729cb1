// The scene: palette, full repaint, cursors, and the dice and cup as they move and rest.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "paint_art.h"

namespace ossaric {
namespace {

using testing::C;
using testing::Count;
using testing::Differences;
using testing::GameTest;
using testing::InstallTestArt;
using testing::Scene;
using testing::Snapshot;

class Paint : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    InstallTestArt(W());
  }
  const Surface& S() { return W().Screen(); }
  // Puts die i on place `slot` showing `face`, as the game state has it after a throw.
  void Lay(int i, int slot, int face) {
    Probe().Game().Die[i].Slot = slot;
    Probe().Game().Die[i].Face = face;
    Probe().Game().Die[i].InCup = 0;
  }
};

TEST_F(Paint, RepaintDrawsOnlyWhatTheStateShows) {
  // The setup screen: scroll and cup, no labels, dice, dots or button.
  W().EvPaint();
  EXPECT_EQ(Count(S(), 0, 0, 632, 434, C(testing::kLabel)), 0);
  EXPECT_GT(Count(S(), 275, 8, 345, 415, C(testing::kScroll)), 100000);
  EXPECT_EQ(Count(S(), 30, 274, 100, 150, C(testing::kCupBody)), 80 * 56 + 40 * 84);
  EXPECT_EQ(Count(S(), 60, 420, 40, 14, C(testing::kLit)), 0);
  // No game: labels and cup only.
  Run("set SetupShown 0\nset GameActive 0\npaint\n");
  EXPECT_GT(Count(S(), 335, 75, 260, 290, C(testing::kLabel)), 1000);
  EXPECT_EQ(Count(S(), 60, 420, 40, 14, C(testing::kLit)), 0);
  EXPECT_EQ(Host().cursor_, CursorId::Wait);
  // A game with a die out and the cup waiting to be handed on.
  Lay(1, 3, 5);
  Run("set GameActive 1\nset PlayerCount 2\nset NextPlayerPending 1\nset Sheet[1].Entry[6] 18\n"
      "paint\n");
  EXPECT_EQ(Count(S(), 55, 317, 50, 50, C(testing::kButton)), 2500);
  EXPECT_EQ(Count(S(), Probe().Game().TableSlot[3].X, Probe().Game().TableSlot[3].Y, 50, 50,
                  C(testing::kPip)),
            5 * 52);
  EXPECT_GT(Count(S(), 548, RowTop(6), 47, 30, C(testing::kScore)), 20);
  EXPECT_GT(Count(S(), 335, 375, 258, 37, C(testing::kScore)), 100);
  EXPECT_EQ(Host().cursor_, CursorId::Next);
  // A panel hides the sheet and the table's dice but keeps the cup.
  Run("set TotalsShown 1\npaint\n");
  EXPECT_EQ(Count(S(), 0, 0, 632, 434, C(testing::kPip)), 0);
  EXPECT_EQ(Count(S(), 55, 317, 50, 50, C(testing::kButton)), 0);
  EXPECT_EQ(Count(S(), 30, 274, 100, 150, C(testing::kCupBody)), 80 * 56 + 40 * 84);
  // Repainting twice gives the same picture.
  Run("set TotalsShown 0\npaint\n");
  const auto once = Snapshot(S());
  Run("paint\n");
  EXPECT_EQ(Differences(once, Snapshot(S()), 632), 0);
}

TEST_F(Paint, FirstPaintTakesTheCleanSceneUnderCupAndPlaces) {
  // The first paint ran on the setup screen, whose scroll reaches into place 16.
  ASSERT_EQ(Probe().State().FirstPaint, 0);
  EXPECT_EQ(Host().cursor_, CursorId::Arrow);
  for (int k = 1; k <= 20; ++k) {
    const Offscreen& under = Probe().Pictures().SlotUnder[k];
    ASSERT_EQ(under.width, 50);
    int wrong = 0;
    for (int y = 0; y < 50; ++y)
      for (int x = 0; x < 50; ++x)
        wrong += under.pixels[y * 50 + x] !=
                 Scene(W(), Probe().Game().TableSlot[k].X + x, Probe().Game().TableSlot[k].Y + y);
    EXPECT_EQ(wrong, 0) << "place " << k;
  }
  int wrong = 0;
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 100; ++x)
      wrong += Probe().Pictures().CupUnder.pixels[y * 100 + x] != Scene(W(), 30 + x, 274 + y);
  EXPECT_EQ(wrong, 0);
}

TEST_F(Paint, CursorByRegion) {
  struct Case {
    int x, y;
    const char* set;
    CursorId want;
  } cases[] = {
      {200, 6, "", CursorId::Arrow},
      {200, 7, "", CursorId::Hand},
      {304, 100, "", CursorId::Hand},
      {305, 100, "", CursorId::Pen},
      {120, 260, "", CursorId::Roll},
      {121, 260, "", CursorId::Hand},
      {30, 424, "", CursorId::Roll},
      {30, 425, "", CursorId::Hand},
      {29, 300, "", CursorId::Hand},
      {60, 259, "", CursorId::Hand},
      {60, 300, "NextPlayerPending", CursorId::Next},
      {400, 200, "SetupShown", CursorId::Arrow},
      {60, 300, "TotalsShown", CursorId::Arrow},
      {60, 300, "TopTenShown", CursorId::Arrow},
      {400, 200, "HintsShown", CursorId::Arrow},
      {400, 200, "ComputerBusy", CursorId::Wait},
      {400, 3, "ComputerBusy", CursorId::Wait},
  };
  for (const Case& c : cases) {
    Run("set SetupShown 0\n");
    if (c.set[0]) Run(std::string("set ") + c.set + " 1\n");
    W().EvMouseMove(c.x, c.y);
    EXPECT_EQ(Host().cursor_, c.want) << c.x << "," << c.y << " " << c.set;
    if (c.set[0]) Run(std::string("set ") + c.set + " 0\n");
  }
}

// ---- Sprites ----

TEST_F(Paint, MaskedSpritesLeaveTheSceneOutsideTheObject) {
  Run("set SetupShown 0\npaint\n");
  const auto before = Snapshot(S());
  Probe().DrawMasked(Probe().Pictures().CupImage, Probe().Pictures().CupMask, 200, 100);
  Probe().DrawMasked(Probe().Pictures().DieImage, Probe().Pictures().DieMask, 600,
                     400);  // partly off the scene
  int changedOutside = 0, wrongInside = 0;
  for (int y = 0; y < 434; ++y) {
    for (int x = 0; x < 632; ++x) {
      const bool cup =
          x >= 200 && x < 300 && y >= 100 && y < 250 && testing::InCup(x - 200, y - 100);
      const bool die = x >= 600 && y >= 400 && testing::InDie(x - 600, y - 400);
      const Rgb now = S().Pixel(x, y);
      if (cup)
        wrongInside += now != C(testing::kCupBody);
      else if (die)
        wrongInside += now != C(testing::kDieBody);
      else
        changedOutside += now != before[y * 632 + x];
    }
  }
  EXPECT_EQ(changedOutside, 0);
  EXPECT_EQ(wrongInside, 0);
}

TEST_F(Paint, PipsStandAtTheirOffsetsForEveryFace) {
  const int offsets[7][2] = {{24, 16}, {13, 7}, {33, 7}, {13, 16}, {33, 16}, {13, 25}, {33, 25}};
  enum { C_, TL, TR, ML, MR, BL, BR };
  const std::vector<int> faces[7] = {{},
                                     {C_},
                                     {TL, BR},
                                     {TL, BR, C_},
                                     {BL, TR, TL, BR},
                                     {BL, TR, TL, BR, C_},
                                     {ML, MR, BL, TR, TL, BR}};
  // An 8 x 8 disc: rows of 4, 6, 8, 8, 8, 8, 6 and 4 pixels, centred.
  const int rowWidth[8] = {4, 6, 8, 8, 8, 8, 6, 4};
  Run("set SetupShown 0\npaint\n");
  const int px = Probe().Game().TableSlot[6].X, py = Probe().Game().TableSlot[6].Y;
  for (int face = 0; face <= 7; ++face) {
    Lay(1, 6, face);
    Probe().Show().DrawDieAtPlace(1);
    std::vector<int> want = face >= 1 && face <= 6 ? faces[face] : std::vector<int>{};
    int inPips = 0;
    for (int p = 0; p < 7; ++p) {
      const bool shown = std::find(want.begin(), want.end(), p) != want.end();
      for (int r = 0; r < 8; ++r) {
        const int n =
            Count(S(), px + offsets[p][0], py + offsets[p][1] + r, 8, 1, C(testing::kPip));
        EXPECT_EQ(n, shown ? rowWidth[r] : 0) << "face " << face << " pip " << p << " row " << r;
        if (shown) {
          EXPECT_EQ(S().Pixel(px + offsets[p][0] + (8 - rowWidth[r]) / 2, py + offsets[p][1] + r),
                    C(testing::kPip));
        }
        inPips += n;
      }
    }
    EXPECT_EQ(Count(S(), px, py, 50, 50, C(testing::kPip)), inPips) << "stray pip ink";
  }
}

TEST_F(Paint, ADieOnItsPlaceIsDrawnOnTheCleanPlacePicture) {
  Run("set SetupShown 0\npaint\n");
  const int px = Probe().Game().TableSlot[9].X, py = Probe().Game().TableSlot[9].Y;
  Lay(2, 9, 6);
  Probe().Show().DrawDieAtPlace(2);
  // Something else left on the place: a smear over it.
  W().Screen().FillRect(px - 5, py - 5, px + 55, py + 55, C(testing::kButton));
  Lay(2, 9, 1);
  Probe().Show().DrawDieAtPlace(2);
  int wrong = 0;
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 50; ++x) {
      const Rgb now = S().Pixel(px + x, py + y);
      const bool pip = x >= 24 && x < 32 && y >= 16 && y < 24 && now == C(testing::kPip);
      if (!testing::InDie(x, y))
        wrong += now != Scene(W(), px + x, py + y);
      else if (!pip)
        wrong += now != C(testing::kDieBody);
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(Count(S(), px, py, 50, 50, C(testing::kPip)), 52);
  // Its save-under holds the clean place: a slide back to the cup leaves the place clean.
  const auto before = Snapshot(S());
  Probe().Show().AnimateDieToCup(2);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x) EXPECT_EQ(S().Pixel(px + x, py + y), Scene(W(), px + x, py + y));
  EXPECT_EQ(Differences(before, Snapshot(S()), 632, {{px, py, 50, 50}}), 0);
  // Every die in the cup: nothing is drawn.
  for (int i = 1; i <= 5; ++i) Probe().Game().Die[i].InCup = 1;
  const auto empty = Snapshot(S());
  Probe().DrawTableDice();
  EXPECT_EQ(Differences(empty, Snapshot(S()), 632), 0);
}

TEST_F(Paint, ThrowDotsLitAndDarkByThrowsMade) {
  Run("set SetupShown 0\npaint\n");
  struct Case {
    int limit, made, lit;
  } cases[] = {{3, 0, 3}, {3, 1, 2}, {3, 2, 1}, {3, 3, 0}, {3, 5, 0}, {3, -4, 3}, {4, 2, 2}};
  for (const Case& c : cases) {
    Probe().Game().ThrowLimit = c.limit;
    Probe().Game().ThrowsMade = c.made;
    Probe().Show().DrawThrowDots();
    for (int n = 0; n < 3; ++n) {
      const int x = 70 + 8 * n;
      const Rgb want = n < c.lit ? C(testing::kLit) : C(testing::kDark);
      EXPECT_EQ(Count(S(), x, 425, 4, 4, want), 12) << c.made << " dot " << n;
      // A 4 x 4 disc leaves its corners to the scene.
      EXPECT_EQ(S().Pixel(x, 425), Scene(W(), x, 425));
      EXPECT_EQ(S().Pixel(x + 3, 428), Scene(W(), x + 3, 428));
      EXPECT_EQ(S().Pixel(x + 1, 425), want);
      EXPECT_EQ(S().Pixel(x + 4, 426), Scene(W(), x + 4, 426));
    }
  }
}

// ---- Animation ----

TEST_F(Paint, AThrowAndTheReturnsLeaveTheSceneWhole) {
  StartGame(1);
  InstallTestArt(W());
  const auto before = Snapshot(S());
  const int places[5] = {1, 4, 16, 19, 20};  // 19 lies at y 344, 4 at y 17, 16 next to the scroll
  Run("places 1 4 16 19 20\nfaces 1 2 3 4 5\n" + std::string(kCup));
  std::vector<std::array<int, 4>> dice;
  for (int i = 0; i < 5; ++i) {
    const TTableSlot& s = Probe().Game().TableSlot[places[i]];
    dice.push_back({s.X, s.Y, 50, 50});
    EXPECT_EQ(Count(S(), s.X, s.Y, 50, 50, C(testing::kPip)), 52 * (i + 1)) << i;
  }
  dice.push_back({70, 425, 20, 4});
  EXPECT_EQ(Differences(before, Snapshot(S()), 632, dice), 0);
  for (int i = 1; i <= 5; ++i) Run(DiePress(i));
  EXPECT_EQ(Probe().Game().DiceInCup, 5);
  EXPECT_EQ(Differences(before, Snapshot(S()), 632, {{70, 425, 20, 4}}), 0);
}

TEST_F(Paint, AnimationsWaitAsThePacingSays) {
  StartGame(1);
  for (int delay : {25, 40, 0}) {
    Run("set AnimDelay " + std::to_string(delay) + "\nset SoundOn 0\nset ThrowsMade 0\n");
    // Five dice: eight shake positions and three pauses per die.
    uint32_t t = Host().clock_;
    Run(kCup);
    EXPECT_EQ(Host().clock_ - t, static_cast<uint32_t>((8 + 3 * 5) * delay));
    // Each return slides with three pauses.
    t = Host().clock_;
    Run(DiePress(2) + DiePress(4));
    EXPECT_EQ(Host().clock_ - t, static_cast<uint32_t>(2 * 3 * delay));
    t = Host().clock_;
    Run(kCup);
    EXPECT_EQ(Host().clock_ - t, static_cast<uint32_t>((8 + 3 * 2) * delay));
    // Writing a score pauses a second with sound on; the dice then go back to the cup.
    Run("set SoundOn " + std::string(delay == 25 ? "1" : "0") + "\n");
    t = Host().clock_;
    for (int k = 1; k <= 12; ++k) {
      if (Probe().Game().Sheet[1].Entry[k] != -1) continue;
      Run(Row(k));
      break;
    }
    EXPECT_EQ(Host().clock_ - t, static_cast<uint32_t>((delay == 25 ? 1000 : 0) + 5 * 3 * delay));
  }
  // Showing each frame takes time: the steps keep their schedule all the same, and the throw
  // lasts its pacing and the first frame's time, not a frame's time more for every pause.
  Run("set AnimDelay 25\nset SoundOn 0\nset ThrowsMade 0\n");
  Host().presentMs_ = 7;
  Host().clock_ += 1000;  // the player takes a moment before the throw
  const uint32_t t = Host().clock_;
  Run(kCup);
  EXPECT_EQ(Host().clock_ - t, static_cast<uint32_t>(7 + (8 + 3 * 5) * 25));
}

TEST_F(Paint, FlightsEndExactlyOnThePlace) {
  Run("set SetupShown 0\npaint\n");
  // From y 344 the die rises 9 pixels a step; from y 17 it rises 41 and is put on its place.
  ASSERT_EQ(Probe().Game().TableSlot[19].Y, 344);
  ASSERT_EQ(Probe().Game().TableSlot[4].Y, 17);
  for (int slot : {19, 4, 1, 16}) {
    for (int i = 1; i <= 5; ++i) Probe().Game().Die[i].InCup = 1;
    Run("paint\n");
    const auto before = Snapshot(S());
    Lay(3, slot, 4);
    Probe().Show().AnimateDieFlight(3);
    const TTableSlot& s = Probe().Game().TableSlot[slot];
    EXPECT_EQ(Count(S(), s.X, s.Y, 50, 50, C(testing::kPip)), 4 * 52);
    EXPECT_EQ(Differences(before, Snapshot(S()), 632, {{s.X, s.Y, 50, 50}}), 0) << slot;
  }
}

// Sees the screen at every pause: where the die body and the cup are at that moment.
class PauseHost : public HeadlessHost {
 public:
  const Surface* screen_ = nullptr;
  struct Seen {
    int dieLeft = -1, dieTop = -1, cupLeft = -1;
  };
  std::vector<Seen> seen_;
  void Present() override {
    if (!screen_) return;
    Seen s;
    for (int y = 0; y < 434 && s.dieTop < 0; ++y)
      for (int x = 0; x < 280 && s.dieTop < 0; ++x)
        if (screen_->Pixel(x, y) == testing::C(testing::kDieBody)) s.dieTop = y;
    for (int x = 0; x < 280 && s.dieLeft < 0; ++x)
      for (int y = 0; y < 434 && s.dieLeft < 0; ++y)
        if (screen_->Pixel(x, y) == testing::C(testing::kDieBody)) s.dieLeft = x;
    for (int x = 0; x < 280 && s.cupLeft < 0; ++x)
      for (int y = 274; y < 424 && s.cupLeft < 0; ++y)
        if (screen_->Pixel(x, y) == testing::C(testing::kCupBody)) s.cupLeft = x;
    seen_.push_back(s);
  }
};

TEST(Movement, StepsAndPausesFollowTheGeometry) {
  testing::TempGameDir dir;
  PauseHost host;
  HeadlessSound sound(host);
  Random random;
  TYachtWindow real_w(host, sound, random);
  TWindowProbe w(real_w);
  w.State().ScreenUp = SceneScreen::Board;
  InstallTestArt(w);
  host.screen_ = &w.Window().Screen();
  // The die body's disc starts one pixel below and one right of the picture's corner.
  auto flight = [&](int slot, std::vector<int> tops) {
    w.Window().EvPaint();
    host.seen_.clear();
    w.Game().Die[1].Slot = slot;
    w.Game().Die[1].Face = 2;
    w.Show().AnimateDieFlight(1);
    ASSERT_EQ(host.seen_.size(), 3u) << slot;
    for (size_t n = 0; n < 3; ++n) EXPECT_EQ(host.seen_[n].dieTop, tops[n] + 1) << slot << " " << n;
  };
  flight(19, {434 - 2 * 9, 434 - 5 * 9, 434 - 8 * 9});    // y 344: steps of 9
  flight(4, {434 - 2 * 41, 434 - 5 * 41, 434 - 8 * 41});  // y 17: steps of 41
  // Back to the cup from (25, 25): (3, 22) a step, pausing after steps 2, 5 and 8.
  w.Window().EvPaint();
  w.Game().Die[1].Slot = 1;
  w.Show().DrawDieAtPlace(1);
  host.seen_.clear();
  w.Show().AnimateDieToCup(1);
  ASSERT_EQ(host.seen_.size(), 3u);
  const int steps[3] = {2, 5, 8};
  for (int n = 0; n < 3; ++n) {
    EXPECT_EQ(host.seen_[n].dieLeft, 25 + 3 * steps[n] + 1) << n;
    EXPECT_EQ(host.seen_[n].dieTop, 25 + 22 * steps[n] + 1) << n;
  }
  EXPECT_EQ(Count(w.Window().Screen(), 0, 0, 280, 434, testing::C(testing::kDieBody)), 0);
  // The shake shows the cup at x 40, 30, 10, 30, twice.
  host.seen_.clear();
  w.Show().AnimateCupShake();
  ASSERT_EQ(host.seen_.size(), 8u);
  const int shake[4] = {40, 30, 10, 30};
  for (int n = 0; n < 8; ++n) EXPECT_EQ(host.seen_[n].cupLeft, shake[n % 4] + 10) << n;
}

TEST_F(Paint, CupShakeAndSettleLeaveTheCupAtHomeOnly) {
  Run("set SetupShown 0\npaint\n");
  const auto before = Snapshot(S());
  Probe().Show().AnimateCupShake();
  // Not on the screen when the shake ends.
  EXPECT_EQ(Count(S(), 0, 250, 200, 184, C(testing::kCupBody)), 0);
  Probe().Show().SettleCup();
  EXPECT_EQ(Differences(before, Snapshot(S()), 632), 0);
}

TEST_F(Paint, GarbageStateDrawsNothingOutOfBounds) {
  StartGame(2);
  Run("set TableSlot[3].X 2147483647\nset TableSlot[3].Y -2147483647\nset TableSlot[5].X -60\n"
      "set Die[1].Slot 99\nset Die[2].Slot -3\nset Die[3].Face 77\nset Die[1].InCup 0\n"
      "set Die[2].InCup 0\nset Die[3].InCup 0\nset Die[3].Slot 3\nset CurrentPlayer 9\n"
      "set ThrowsMade -2147483647\nset ThrowLimit 2147483647\nset NextPlayerPending 1\npaint\n");
  Run("set CurrentPlayer -4\nset PlayerCount 77\nset CaretX 2147483647\nset CaretY -2147483647\n"
      "set CaretPhase 1\ntick\ntick\nset SetupShown 1\npaint\nset PlayerCount -9\npaint\n");
  Probe().Show().AnimateDieToCup(3);
  Probe().Show().AnimateDieFlight(3);
  Probe().Show().AnimateDieToCup(1);
  Probe().DrawDieSprite(11, 3, 0, 0);
  Probe().DrawDieSprite(-1, 3, 0, 0);
  Run("set SetupShown 0\nset CurrentPlayer 1\nset PlayerCount 2\npaint\n");
}

}  // namespace
}  // namespace ossaric
