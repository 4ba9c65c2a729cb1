// The best play at the table: the hint against the solver in the positions a turn passes
// through, the review of a game, and the expert computer with its choice kept between runs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ai/expert.h"
#include "fixture.h"

namespace ossaric {
namespace {

using testing::GameTest;

std::vector<Rgb> Pixels(Surface& s) {
  std::vector<Rgb> p;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) p.push_back(s.Pixel(x, y));
  return p;
}

class BestPlay : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    Probe().State().SoundOn = 0;
    Probe().State().AnimDelay = 0;
  }
  // The solver's answer for the current player's column as the state shows it.
  ai::TAdvice Solver() {
    ai::TPosition p;
    EXPECT_TRUE(PositionOf(Probe().Game(), Probe().Game().CurrentPlayer, p));
    return ai::TSolver::Get().Advise(p);
  }
  ai::TAdvice Hint() {
    int column = 0;
    ai::TAdvice a;
    EXPECT_TRUE(Probe().BestMove(column, a));
    return a;
  }
  bool HintAvailable() {
    int column = 0;
    ai::TAdvice a;
    return Probe().BestMove(column, a);
  }
};

// Through one turn: the hint is the solver's best move, it is marked on the board, it changes
// no state, and the marks are gone at the next press, leaving the picture as it was.
TEST_F(BestPlay, HintFollowsTheTurnAndLeavesNothingBehind) {
  StartGame(1);
  Run("paint\nfaces 1 4 6 6 3\nplaces 1 2 3 4 5\n");
  struct Step {
    const char* what;
    const char* before;  // script lines that lead to the position
    bool marksDice;      // the hint frames dice (or else the cup or a row)
  } steps[] = {
      {"turn start", "", false},
      {"after the first throw", "press cup\n", true},
      // The 1 goes back; the hint keeps it in the cup and works from there.
      {"a die returned, not thrown", "click 40 40\n", true},
      // The 1 thrown again, then the 4 returned and thrown: the third throw leaves writing.
      {"after the third throw",
       "faces 2\nplaces 6\npress cup\nclick 95 35\nfaces 5\nplaces 7\npress cup\n", false},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    Run(s.before);
    Run("paint\n");
    const ai::TAdvice expected = Solver();
    const ai::TAdvice a = Hint();
    EXPECT_EQ(a.best.category, expected.best.category);
    EXPECT_EQ(a.best.keep, expected.best.keep);
    EXPECT_DOUBLE_EQ(a.best.expected, expected.best.expected);
    for (int i = 1; i <= 5; ++i) {
      if (Probe().Game().Die[i].InCup == 1 && Probe().Game().ThrowsMade > 0) {
        EXPECT_FALSE(a.best.keep[i - 1]);
      }
    }

    const std::string before = StateJson(W(), 0);
    const std::vector<Rgb> picture = Pixels(W().Screen());
    Host().messages_.clear();
    Run("command 140\n");
    ASSERT_EQ(Host().messages_.size(), 1u);
    EXPECT_EQ(Host().messages_[0].rfind("Best Move|", 0), 0u) << Host().messages_[0];
    EXPECT_NE(Pixels(W().Screen()), picture) << "the hint marks the board";
    if (s.marksDice) {
      // The first die to return is framed.
      for (int i = 1; i <= 5; ++i) {
        if (a.best.keep[i - 1] || Probe().Game().Die[i].InCup == 1) continue;
        const TTableSlot& place = Probe().Game().TableSlot[Probe().Game().Die[i].Slot];
        EXPECT_NE(W().Screen().Pixel(place.X - 2, place.Y + 20),
                  picture[(place.Y + 20) * 632 + place.X - 2]);
        break;
      }
    }
    EXPECT_EQ(StateJson(W(), 0), before);
    Run("click 300 420\n");  // the table, where no die lies
    EXPECT_EQ(Pixels(W().Screen()), picture) << "the marks go at the next press";
  }
  EXPECT_GT(Solver().best.category, 0);  // the third throw leaves only writing
  EXPECT_FALSE(Solver().canThrow);
}

// No hint while the computer plays, on the setup screen, on a panel, after the game, while the
// cup waits to go to the computer, or on values no game can reach (a kept game read from disk
// may bring them); the menu item then marks nothing and says why (nothing while the computer
// plays, when the player's commands wait), and the review records nothing.
TEST_F(BestPlay, NoHintWhereThePlayerCannotAct) {
  StartGame(0);
  EXPECT_TRUE(HintAvailable());
  const std::string thrown = "faces 1 2 3 4 6\nplaces 1 2 3 4 5\npress cup\n";
  const char* const now = "Best Move|There is no move to advise now";
  struct Case {
    const char* what;
    std::string script;
    const char* says;  // the box's words begin so; none at all when empty
  } cases[] = {
      {"computer at play", "set ComputerBusy 1", ""},
      {"setup screen", "set SetupShown 1", "Best Move|There is no move to advise on the setup"},
      {"totals panel", "set TotalsShown 1", "Best Move|Close the panel first"},
      {"Top Ten panel", "set TopTenShown 1", "Best Move|Close the panel first"},
      {"tips panel", "set HintsShown 1", "Best Move|Close the panel first"},
      {"no game", "set GameActive 0", "Best Move|The game is over"},
      {"throws made far below 0", "set ThrowsMade -2147483648", now},
      {"throws made beyond the limit", thrown + "set ThrowsMade 4", now},
      {"no throw limit", "set ThrowLimit 0", now},
      {"a face of 9", thrown + "set Die[2].Face 9", now},
      {"a die on place 0", thrown + "set Die[3].Slot 0", now},
      {"a place off the table", thrown + "set TableSlot[3].X -2147483648", now},
      {"51 in Choice", "set Sheet[1].Entry[12] 51", now},
      {"-2 in Ones", "set Sheet[1].Entry[1] -2", now},
      {"a total far beyond any game", "set Sheet[1].Total 2147483647", now},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Start();
    StartGame(0);
    Run("set SoundOn 0\n" + c.script + "\n");
    EXPECT_FALSE(HintAvailable());
    Host().messages_.clear();
    const std::vector<Rgb> picture = Pixels(W().Screen());
    Probe().ShowBestMove();
    if (*c.says == '\0') {
      EXPECT_TRUE(Host().messages_.empty());
    } else {
      ASSERT_EQ(Host().messages_.size(), 1u);
      EXPECT_EQ(Host().messages_[0].rfind(c.says, 0), 0u) << Host().messages_[0];
    }
    EXPECT_EQ(Pixels(W().Screen()), picture);
  }
  // Player 1 has written; the cup waits for the computer.
  Start();
  StartGame(0);
  Run("set SoundOn 0\nfaces 1 2 3 4 6\npress cup\n" + Row(3));
  ASSERT_EQ(Probe().Game().NextPlayerPending, 1);
  EXPECT_FALSE(HintAvailable());
  Run("hint\n");
  EXPECT_NE(Output().find("{\"event\":\"hint\",\"available\":false}"), std::string::npos);
}

// The review's cost of each choice is the solver's, a score taken back leaves the review, and
// the account of a finished game sums the costs.
TEST_F(BestPlay, ReviewCountsWhatEachChoiceCost) {
  StartGame(1);
  // Two categories left: Bexil and Choice.
  for (int k = 2; k <= 11; ++k) Probe().Game().Sheet[1].Entry[k] = 0;
  const ai::TSolver& solver = ai::TSolver::Get();
  const ai::OpenSet open = ai::CategoryBit(kBexil) | ai::CategoryBit(kChoice);
  Run("faces 6 6 1 2 6\nplaces 1 2 3 4 5\npress cup\n");
  // Player 1 keeps the 6 6 6 and the 2: a poor keep for Bexil.
  ai::TPosition first;
  first.open = open;
  first.faces = {6, 6, 1, 2, 6};
  first.throwsLeft = 2;
  first.mayWrite = true;
  ai::TAction keep;
  keep.keep = {true, true, false, true, true};
  const double keepCost = solver.Advise(first).best.expected - solver.ActionValue(first, keep);
  EXPECT_GT(keepCost, 0.5);
  Run("click 170 40\nfaces 6\nplaces 6\npress cup\n");  // the 1 back, thrown: a 6
  // Writing Choice with 6 6 6 2 6: Bexil would be better kept open? The solver decides.
  ai::TPosition second = first;
  second.faces = {6, 6, 6, 2, 6};
  second.throwsLeft = 1;
  ai::TAction choice;
  choice.category = kChoice;
  const double choiceCost =
      solver.Advise(second).best.expected - solver.ActionValue(second, choice);
  Run(Row(12));  // Choice
  ASSERT_EQ(Probe().Review().Current().size(), 2u);
  EXPECT_NEAR(Probe().Review().Current()[0].Cost(), keepCost, 1e-9);
  EXPECT_NEAR(Probe().Review().Current()[1].Cost(), choiceCost, 1e-9);
  Probe().Undo();  // the write is taken back, and leaves the review
  ASSERT_EQ(Probe().Review().Current().size(), 1u);
  EXPECT_FALSE(Probe().Review().HasFinished());
  EXPECT_NE(Probe().ReviewWords().find("once a game"), std::string::npos);
  Run(Row(1));  // Bexil: 0 points, not five alike
  ai::TAction bexil;
  bexil.category = kBexil;
  const double bexilCost = solver.Advise(second).best.expected - solver.ActionValue(second, bexil);
  Run("faces 5 5 5 5 5\npress cup\n" + Row(12));  // the last turn, Choice written
  ASSERT_TRUE(Probe().Review().HasFinished());
  const auto accounts = Probe().Review().Accounts(5);
  ASSERT_EQ(accounts.size(), 1u);
  EXPECT_EQ(accounts[0].decisions, 3);
  EXPECT_NEAR(accounts[0].lost, keepCost + bexilCost, 1e-9);
  const double best = solver.Value(ai::kAllOpen);
  EXPECT_NEAR(accounts[0].percent, 100 * (best - accounts[0].lost) / best, 1e-9);
  Host().messages_.clear();
  Run("command 141\n");
  ASSERT_EQ(Host().messages_.size(), 1u);
  EXPECT_EQ(Host().messages_[0].rfind("Review|Your play: ", 0), 0u) << Host().messages_[0];
  EXPECT_NE(Host().messages_[0].find("Turn 11, throw 1, dice 1 2 6 6 6: keep 2 6 6 6 and throw"),
            std::string::npos)
      << Host().messages_[0];
  // The next game starts afresh and the finished one stays to be read.
  Probe().RestartGame();
  EXPECT_TRUE(Probe().Review().Current().empty());
  EXPECT_EQ(Probe().Review().Finished().size(), 3u);
}

// The expert plays its turn as the solver says, with the classic turn's pauses; the choice is
// kept in ossaric.conf, and bexil.ini keeps its 52 bytes.
TEST_F(BestPlay, ExpertComputerPlaysBestAndIsRemembered) {
  EXPECT_FALSE(Probe().ExpertComputer());
  EXPECT_TRUE(Host().checks_[kCmdClassicComputer]);
  Run("command 143\n");
  EXPECT_TRUE(Probe().ExpertComputer());
  EXPECT_TRUE(Host().checks_[kCmdExpertComputer]);
  EXPECT_FALSE(Host().checks_[kCmdClassicComputer]);
  Run("close\n");
  EXPECT_EQ(std::filesystem::file_size("bexil.ini"), 52u);
  std::ifstream conf("ossaric.conf");
  std::string text((std::istreambuf_iterator<char>(conf)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("Expert=1"), std::string::npos) << text;

  Start();
  EXPECT_TRUE(Probe().ExpertComputer());
  Probe().State().SoundOn = 0;
  Probe().State().AnimDelay = 0;
  Run("set HintsShown 0\nset SetupShown 0\nset PlayerCount 0\ncommand 101\n");
  // Player 1 writes Ones; the expert throws five sixes, which the solver writes as Bexil at once.
  Run("faces 1 1 1 1 1\npress cup\n" + Row(11));
  ai::TPosition p;
  p.faces = {6, 6, 6, 6, 6};
  p.throwsLeft = 2;
  p.mayWrite = true;
  ASSERT_EQ(ai::TSolver::Get().Advise(p).best.category, kBexil);
  const uint32_t clock = Host().clock_;
  Run("faces 6 6 6 6 6\npress cup\n");
  EXPECT_GE(Host().clock_ - clock, 1500u) << "the pause after the computer's throw";
  EXPECT_EQ(Probe().Game().Sheet[0].Entry[kBexil], 50);
  EXPECT_EQ(Probe().Game().Sheet[0].Total, 50);
  EXPECT_EQ(Probe().Game().SavedThrows, 1);
  EXPECT_EQ(Probe().Game().NextPlayerPending, 1);
  EXPECT_EQ(Probe().Game().ComputerBusy, 0);
  EXPECT_EQ(Probe().Review().Current().size(), 1u) << "the computer's choices are not reviewed";

  Run("command 142\n");  // back to the classic computer, kept too
  Start();
  EXPECT_FALSE(Probe().ExpertComputer());
}

}  // namespace
}  // namespace ossaric
