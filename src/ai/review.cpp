#include "ai/review.h"

#include <algorithm>

namespace ossaric {

void TGameReview::GameBegun() {
  current_.clear();
}

// The computer's own column is not reviewed.
bool TGameReview::Watching() const {
  return game_.CurrentPlayer >= 1 && game_.CurrentPlayer <= 4 && game_.ComputerBusy == 0;
}

void TGameReview::Record(const ai::TAction& done) {
  // The moment the throw landed: every die still on the table, whatever went back since.
  ai::TPosition p;
  if (!PositionOf(game_, game_.CurrentPlayer, p)) return;
  p.inCup = {};
  if (p.open == 0) return;
  const ai::TSolver& solver = ai::TSolver::Get();
  TDecision d;
  d.column = game_.CurrentPlayer;
  d.turn = 1;
  for (int k = 1; k <= kCategoryCount; ++k) d.turn += game_.Sheet[d.column].Entry[k] != -1 ? 1 : 0;
  d.throwsMade = game_.ThrowsMade;
  d.faces = p.faces;
  d.best = solver.Advise(p).best;
  d.done = done;
  d.done.expected = solver.ActionValue(p, done);
  current_.push_back(d);
}

void TGameReview::BeforeThrow() {
  if (!Watching() || game_.ScoreAllowed != 1 || game_.ThrowsMade < 1) return;
  ai::TAction done;
  for (int i = 0; i < 5; ++i) done.keep[i] = game_.Die[i + 1].InCup != 1;
  Record(done);
}

void TGameReview::BeforeWrite(int category) {
  if (!Watching()) return;
  ai::TAction done;
  done.category = category;
  Record(done);
}

void TGameReview::ScoreTakenBack() {
  if (!current_.empty() && current_.back().done.category != 0 &&
      current_.back().column == game_.CurrentPlayer)
    current_.pop_back();
}

void TGameReview::GameOver() {
  last_ = current_;
  finished_ = true;
}

std::vector<TPlayerReview> TGameReview::Accounts(int listed) const {
  std::vector<TPlayerReview> out;
  const double best = ai::TSolver::Get().Value(ai::kAllOpen);
  for (int column = 1; column <= 4; ++column) {
    if (std::none_of(last_.begin(), last_.end(),
                     [column](const TDecision& d) { return d.column == column; }))
      continue;
    TPlayerReview r;
    r.column = column;
    for (const TDecision& d : last_) {
      if (d.column != column) continue;
      ++r.decisions;
      r.lost += d.Cost();
      r.costliest.push_back(d);
    }
    r.percent = best > 0 ? 100.0 * (best - r.lost) / best : 100.0;
    std::stable_sort(r.costliest.begin(), r.costliest.end(),
                     [](const TDecision& a, const TDecision& b) { return a.Cost() > b.Cost(); });
    while (!r.costliest.empty() && r.costliest.back().Cost() < 0.05) r.costliest.pop_back();
    if (static_cast<int>(r.costliest.size()) > listed) r.costliest.resize(listed);
    out.push_back(r);
  }
  return out;
}

}  // namespace ossaric
