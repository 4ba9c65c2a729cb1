// What is told of the play as it happens, for a screen reader: each throw with the dice kept
// and the faces thrown, each score written, a die pressed back into the cup, what Undo took
// back, the hand-over, the end of the game and a cleared Top Ten, whoever plays.
#include <algorithm>

#include "ui/yacht_window.h"

namespace ossaric {

namespace {

// Enough for the busiest moment: a score, the hand-over and the end of the game at once.
constexpr size_t kToldKept = 16;

}  // namespace

void TYachtWindow::TellThrowBegins() {
  telling_ = TTold{};
  telling_.kind = TTold::Throw;
  telling_.player = game_.CurrentPlayer;
  // The throw is counted once its dice have landed.
  // In wide numbers: a tampered count must not overflow the words.
  const long long number = std::clamp(static_cast<long long>(game_.ThrowsMade) + 1, 0LL, 99LL);
  telling_.throwNumber = static_cast<int>(number);
  telling_.throwsLeft =
      static_cast<int>(std::clamp(static_cast<long long>(game_.ThrowLimit) - number, 0LL, 99LL));
  for (int i = 1; i <= 5; ++i)
    if (game_.Die[i].InCup == 0) telling_.kept.push_back(game_.Die[i].Face);
}

void TYachtWindow::TellDieLanded(int i) {
  if (i >= 1 && i <= 5) telling_.thrown.push_back(game_.Die[i].Face);
}

void TYachtWindow::TellThrowEnds() {
  for (int i = 1; i <= 5; ++i) telling_.faces.push_back(game_.Die[i].Face);
  Tell(telling_);
}

void TYachtWindow::TellScore(int points, int y) {
  TTold score;
  score.kind = TTold::Score;
  score.player = game_.CurrentPlayer;
  score.category = (y - RowTop(1)) / (RowTop(2) - RowTop(1)) + 1;
  score.points = points;
  if (game_.CurrentPlayer >= 0 && game_.CurrentPlayer <= 4)
    score.total = game_.Sheet[game_.CurrentPlayer].Total;
  Tell(score);
}

void TYachtWindow::TellDieToCup(int i) {
  if (i < 1 || i > 5) return;
  TTold told;
  told.kind = TTold::ToCup;
  told.player = game_.CurrentPlayer;
  told.die = i;
  told.face = game_.Die[i].Face;
  told.inCup = game_.DiceInCup;
  Tell(told);
}

// What an Undo took back, from the state before it: an entry of the sheet, or dice in the cup.
void TYachtWindow::TellUndo(const TGameState& before) {
  const int p = before.CurrentPlayer;
  if (p < 0 || p > 4) return;
  TTold told;
  told.player = p;
  for (int k = 1; k <= kCategoryCount; ++k)
    if (before.Sheet[p].Entry[k] >= 0 && game_.Sheet[p].Entry[k] < 0) {
      told.kind = TTold::UndoScore;
      told.category = k;
      told.total = game_.Sheet[p].Total;
    }
  if (told.kind == TTold::None && game_.DiceInCup < before.DiceInCup) {
    told.kind = TTold::UndoReturn;
    told.inCup = static_cast<int>(
        std::clamp(static_cast<long long>(before.DiceInCup) - game_.DiceInCup, 0LL, 5LL));
  }
  if (told.kind != TTold::None) Tell(told);
}

void TYachtWindow::TellHandover() {
  TTold told;
  told.kind = TTold::Handover;
  told.player = game_.NextColumn();
  Tell(told);
}

// The winner among the columns in play, or a tie.
void TYachtWindow::TellGameOver() {
  TTold told;
  told.kind = TTold::GameOver;
  told.player = -1;
  told.points = -1;
  for (int c : game_.Columns()) {
    const int total = game_.Sheet[c].Total;
    if (total > told.points) {
      told.player = c;
      told.points = total;
    } else if (total == told.points) {
      told.player = -1;
    }
  }
  Tell(told);
}

void TYachtWindow::TellTopTenCleared() {
  TTold told;
  told.kind = TTold::TopTenCleared;
  Tell(told);
}

void TYachtWindow::Tell(TTold told) {
  told.serial = told_.serial + 1;
  told_ = std::move(told);
  recentTold_.push_back(told_);
  if (recentTold_.size() > kToldKept) recentTold_.erase(recentTold_.begin());
  host_.SceneChanged();
}

std::vector<TTold> TYachtWindow::ToldSince(int serial) const {
  std::vector<TTold> out;
  for (const TTold& t : recentTold_)
    if (t.serial > serial) out.push_back(t);
  return out;
}

}  // namespace ossaric
