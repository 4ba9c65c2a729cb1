// The turn on the game model alone: what each refused press tells, and what a throw and a score
// show, in order, through the show interface.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model_fixture.h"

namespace ossaric {
namespace {

using namespace testing;  // the model fixture and its table builders

using Calls = std::vector<std::string>;
constexpr Target kCup{TargetKind::Cup, 0}, kDie1{TargetKind::Die, 1};

class Turn : public ModelTest {};

TEST_F(Turn, RefusedPressesTellWhy) {
  const char* const kPlayMenu = "Choose option from the Play menu";
  struct Case {
    const char* what;
    std::function<void(TableBuilder)> table;
    Target pressed;
    std::string notice;
  } cases[] = {
      {"cup, no game", [](TableBuilder t) { t.Players(1).DiceInCup().GameOver(); }, kCup,
       std::string("notice Start new play: ") + kPlayMenu},
      {"die, no game",
       [](TableBuilder t) {
         t.Players(1).Dice({1, 2, 3, 4, 5}).GameOver();
       },
       kDie1, std::string("notice End of Game: ") + kPlayMenu},
      {"cup, three throws made",
       [](TableBuilder t) {
         t.Players(2).Dice({1, 2, 3, 4, 5}).AfterThrow(3);
       },
       kCup, "notice Three roll limit: Choose a score category now"},
      {"die, three throws made",
       [](TableBuilder t) {
         t.Players(2).Dice({1, 2, 3, 4, 5}).AfterThrow(3);
       },
       kDie1, "notice Three roll limit: Choose a score category now"},
      {"cup, empty",
       [](TableBuilder t) {
         t.Players(1).Dice({1, 2, 3, 4, 5}).AfterThrow(1);
       },
       kCup, "notice : There are no dice in the cup"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.table(Table());
    show_.calls.clear();
    game_.PressBoard(c.pressed);
    EXPECT_EQ(show_.calls, Calls{c.notice});
  }
}

// A throw of five: rattle, shake, landing sound, each die's flight, the cup home, the dots. A
// score: the pen, the number, its pause, the total, then the dice back into the cup and either
// the dots (one player) or the NEXT button (more).
TEST_F(Turn, AThrowAndAScoreShowTheirStepsInOrder) {
  for (int players : {1, 2}) {
    SCOPED_TRACE(players);
    Table().Players(players).DiceInCup().EmptySheets();
    Faces({1, 2, 3, 4, 6});
    show_.calls.clear();
    game_.PressBoard(kCup);
    EXPECT_EQ(show_.calls,
              (Calls{"sound 1", "shake", "stop sounds", "sound 5", "flight 1", "flight 2",
                     "flight 3", "flight 4", "flight 5", "stop sounds", "settle", "dots"}));
    show_.calls.clear();
    game_.PressBoard({TargetKind::Row, kChoice});
    Calls scored{"sound 3",   "score 16 at " + std::to_string(RowTop(kChoice)),
                 "pen pause", "total",
                 "to cup 1",  "to cup 2",
                 "to cup 3",  "to cup 4",
                 "to cup 5"};
    if (players == 1) {
      scored.push_back("dots");
    } else {
      scored.push_back("next button");
      scored.push_back("pointer next");
    }
    EXPECT_EQ(show_.calls, scored);
    EXPECT_EQ(game_.Sheet[1].Entry[kChoice], 16);
  }
}

}  // namespace
}  // namespace ossaric
