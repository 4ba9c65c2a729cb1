// The computer on the game model: a fresh game against it, tables set up after one of its
// throws, and what it wrote.
#pragma once

#include <algorithm>
#include <array>
#include <deque>
#include <vector>

#include "model_fixture.h"

namespace ossaric::testing {

using Dice = std::array<int, 5>;

class ComputerModel : public ModelTest {
 protected:
  // A fresh game of one person against the computer, player 1 to throw.
  void SetUp() override {
    Table().AgainstTheComputer();
    game_.StartFromSetup();
  }

  // The dice lie on places 1..5 after the computer's `throws`-th throw; the categories in
  // `written` hold 0 in its column, every other one is open, and player 1's column is empty.
  void Table(const Dice& faces, const std::vector<int>& written, int throws) {
    ModelTest::Table()
        .AgainstTheComputer()
        .ComputerToThrow()
        .EmptySheets()
        .Written(0, written)
        .Dice(faces)
        .AfterThrow(throws);
  }
  using ModelTest::Table;

  // The one category the computer wrote since Table(); 0 when none, -1 when more than one.
  int Written(const std::vector<int>& written) {
    int found = 0;
    for (int k = 1; k <= 12; ++k) {
      const bool was = std::find(written.begin(), written.end(), k) != written.end();
      if (!was && game_.Sheet[0].Entry[k] != -1) found = found == 0 ? k : -1;
    }
    return found;
  }

  std::vector<int> InCup() {
    std::vector<int> dice;
    for (int i = 1; i <= 5; ++i)
      if (game_.Die[i].InCup == 1) dice.push_back(i);
    return dice;
  }

  // Hands the cup from player 1 to the computer, whose throws take `faces` in order.
  void ComputerTurn(const std::deque<int>& faces) {
    Faces(faces);
    ModelTest::Table().PlayerToThrow(1).CupToHandOn();
    game_.NextPlayer();
  }
};

}  // namespace ossaric::testing
