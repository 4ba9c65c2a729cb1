// What is told of the play as it happens, for a screen reader: each throw with the dice kept
// and the faces thrown, and each score written, whoever plays.
#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::TellThrowBegins() {
  telling_ = TTold{};
  telling_.kind = TTold::Throw;
  telling_.player = game_.CurrentPlayer;
  for (int i = 1; i <= 5; ++i)
    if (game_.Die[i].InCup == 0) telling_.kept.push_back(game_.Die[i].Face);
}

void TYachtWindow::TellDieLanded(int i) {
  if (i >= 1 && i <= 5) telling_.thrown.push_back(game_.Die[i].Face);
}

void TYachtWindow::TellThrowEnds() {
  Tell(telling_);
}

void TYachtWindow::TellScore(int points, int y) {
  TTold score;
  score.kind = TTold::Score;
  score.player = game_.CurrentPlayer;
  score.category = (y - RowTop(1)) / (RowTop(2) - RowTop(1)) + 1;
  score.points = points;
  Tell(score);
}

void TYachtWindow::Tell(TTold told) {
  told.serial = told_.serial + 1;
  told_ = std::move(told);
  host_.SceneChanged();
}

}  // namespace ossaric
