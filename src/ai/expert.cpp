#include "ai/expert.h"

namespace ossaric {

bool PositionOf(const TGameState& g, int column, ai::TPosition& p) {
  if (!g.Possible(column)) return false;
  p.open = ai::OpenCategories(g.Sheet[column].Entry);
  p.total = g.Sheet[column].Total;
  for (int i = 0; i < 5; ++i) {
    p.faces[i] = g.Die[i + 1].Face;
    p.inCup[i] = g.Die[i + 1].InCup == 1;
  }
  p.throwsLeft = g.ThrowLimit - g.ThrowsMade;
  p.mayWrite = g.ScoreAllowed == 1;
  return true;
}

bool TExpertPlayer::WriteBest() {
  ai::TPosition p;
  if (!PositionOf(game_, 0, p)) return false;
  p.throwsLeft = 0;
  const ai::TAdvice a = ai::TSolver::Get().Advise(p);
  if (!a.any || a.best.category == 0) return false;
  game_.ScoreCategory(a.best.category);
  game_.ComputerDone = 1;
  return true;
}

void TExpertPlayer::PlayComputerTurn() {
  TGameShow& show = game_.Show();
  show.DrawTotalLine(false);
  show.DrawScoreColumn(false);
  game_.ComputerDone = 0;
  const ai::OpenSet openBefore = ai::OpenCategories(game_.Sheet[0].Entry);
  for (int pass = 1; pass <= 3; ++pass) {
    // The program ends: the turn stays as it stands.
    if (game_.TurnStopped()) return;
    for (int i = 1; i <= 5; ++i) game_.Die[i].Keep = game_.Die[i].Work1 = game_.Die[i].Work2 = 0;
    const int throwsBefore = game_.ThrowsMade;
    game_.ThrowDice();
    if (game_.ThrowsMade == throwsBefore) break;  // refused; the message said why
    show.Delay(1500);
    if (game_.TurnStopped()) return;
    ai::TPosition p;
    if (!PositionOf(game_, 0, p)) break;
    const ai::TAdvice a = ai::TSolver::Get().Advise(p);
    if (!a.any) break;
    if (a.best.category != 0) {
      game_.ScoreCategory(a.best.category);
      game_.ComputerDone = 1;
      break;
    }
    for (int i = 1; i <= 5; ++i) {
      game_.Die[i].Keep = a.best.keep[i - 1] ? 1 : 0;
      if (game_.Die[i].Keep != 0 || game_.Die[i].InCup == 1) continue;
      game_.SelectedDie = i;
      game_.ReturnDieToCup();
    }
    if (game_.DiceInCup <= 0) break;
  }
  // Only a tampered state gets here without a score: write what the dice give, or at least
  // hand the cup back.
  if (game_.GameActive == 1 && ai::OpenCategories(game_.Sheet[0].Entry) == openBefore) {
    if (openBefore != 0) {
      game_.ScoreAllowed = 1;
      WriteBest();
    }
    if (game_.GameActive == 1 && game_.NextPlayerPending == 0) {
      game_.ScoreAllowed = 0;
      game_.PrepareNextTurn();
    }
  }
  game_.EndComputerTurn();
}

}  // namespace ossaric
