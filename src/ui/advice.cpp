// The hint: the best move for the person whose turn it is, marked on the board (a frame around
// each die to return, around the cup when only a throw is left to do, or around the row to
// write) and put in words. It changes nothing in the game; the marks go at the next action.
#include <algorithm>
#include <vector>

#include "game/scoring.h"
#include "platform/words.h"
#include "ui/words.h"
#include "ui/yacht_window.h"

namespace ossaric {

namespace {

constexpr int kFrame = 2;  // width of a mark's frame

std::string Total(double expected) {
  return Decimal(expected, 1);
}

int PointsNow(const TYachtGame& g, int category) {
  Faces faces{};
  for (int i = 1; i <= 5; ++i) faces[i - 1] = g.Die[i].Face;
  return CategoryPoints(category, faces);
}

}  // namespace

bool TYachtWindow::BestMove(int& column, ai::TAdvice& advice) const {
  const TYachtGame& g = game_;
  if (g.ComputerBusy || g.GameActive != 1 || ScreenUp != SceneScreen::Board) return false;
  ai::TPosition p;
  if (g.NextPlayerPending == 1) {
    // The cup waits for the next column: its first throw.
    column = g.NextColumn();
    if (column < 1 || column > 4 || !PositionOf(g, column, p)) return false;
    p.faces = {1, 1, 1, 1, 1};
    p.inCup = {true, true, true, true, true};
    p.throwsLeft = g.ThrowLimit;
    p.mayWrite = false;
  } else {
    column = g.CurrentPlayer;
    if (column < 1 || column > 4 || !PositionOf(g, column, p)) return false;
  }
  advice = ai::TSolver::Get().Advise(p);
  return advice.any;
}

// Why there is no best move to show; empty while the computer plays (the player's commands wait).
std::string TYachtWindow::NoBestMoveWords() const {
  if (game_.ComputerBusy) return {};
  if (ScreenUp == SceneScreen::Setup)
    return Words("Advice", QT_TRANSLATE_NOOP("Advice",
                                             "There is no move to advise on the setup screen: "
                                             "start the game first."));
  if (ScreenUp != SceneScreen::Board)
    return Words("Advice", QT_TRANSLATE_NOOP("Advice",
                                             "Close the panel first: the best move is shown on "
                                             "the board."));
  if (game_.GameActive != 1)
    return Words("Advice",
                 QT_TRANSLATE_NOOP("Advice", "The game is over: there is no move to advise."));
  return Words("Advice", QT_TRANSLATE_NOOP("Advice", "There is no move to advise now."));
}

std::string TYachtWindow::AdviceWords(const ai::TAdvice& a) const {
  const ai::TAction& best = a.best;
  std::string first;
  if (best.category != 0) {
    first =
        PointsNow(game_, best.category) == 0
            ? Words("Advice", QT_TRANSLATE_NOOP("Advice", "Write 0 in %1 now: expected total %2."),
                    {CategoryName(best.category), Total(best.expected)})
            : Words("Advice", QT_TRANSLATE_NOOP("Advice", "Write %1 now: expected total %2."),
                    {CategoryName(best.category), Total(best.expected)});
  } else {
    std::vector<std::string> back;  // faces of the dice to return, lowest first
    for (int i = 1; i <= 5; ++i)
      if (game_.Die[i].InCup != 1 && game_.NextPlayerPending != 1 && !best.keep[i - 1])
        back.push_back(std::to_string(game_.Die[i].Face));
    std::sort(back.begin(), back.end());
    const std::string e = Total(best.expected);
    switch (back.size()) {
      case 0:
        first = game_.ThrowsMade == 0 || game_.NextPlayerPending == 1
                    ? Words("Advice",
                            QT_TRANSLATE_NOOP("Advice", "Throw the dice: expected total %1."), {e})
                    : Words("Advice",
                            QT_TRANSLATE_NOOP("Advice",
                                              "Throw the dice in the cup: expected total %1."),
                            {e});
        break;
      case 1:
        first =
            Words("Advice",
                  QT_TRANSLATE_NOOP("Advice", "Return the %1 and throw again: expected total %2."),
                  {back[0], e});
        break;
      case 2:
        first = Words("Advice",
                      QT_TRANSLATE_NOOP(
                          "Advice", "Return the %1 and the %2 and throw again: expected total %3."),
                      {back[0], back[1], e});
        break;
      case 3:
        first = Words(
            "Advice",
            QT_TRANSLATE_NOOP(
                "Advice", "Return the %1, the %2 and the %3 and throw again: expected total %4."),
            {back[0], back[1], back[2], e});
        break;
      case 4:
        first = Words("Advice",
                      QT_TRANSLATE_NOOP("Advice",
                                        "Return the %1, the %2, the %3 and the %4 and throw again: "
                                        "expected total %5."),
                      {back[0], back[1], back[2], back[3], e});
        break;
      default:
        first = Words(
            "Advice",
            QT_TRANSLATE_NOOP("Advice", "Return all five dice and throw again: expected total %1."),
            {e});
        break;
    }
  }
  // The best the other kind of move offers, for comparison.
  std::string second;
  if (best.category == 0 && !a.writes.empty()) {
    const ai::TAction* w = &a.writes.front();
    for (const ai::TAction& x : a.writes)
      if (x.expected > w->expected + 1e-9) w = &x;
    second = PointsNow(game_, w->category) == 0
                 ? Words("Advice", QT_TRANSLATE_NOOP("Advice", "Writing 0 in %1 now: %2."),
                         {CategoryName(w->category), Total(w->expected)})
                 : Words("Advice", QT_TRANSLATE_NOOP("Advice", "Writing %1 now: %2."),
                         {CategoryName(w->category), Total(w->expected)});
  } else if (best.category != 0 && a.canThrow) {
    second = Words("Advice", QT_TRANSLATE_NOOP("Advice", "Throwing again at best: %1."),
                   {Total(a.bestThrow.expected)});
  }
  return second.empty() ? first : first + "\n" + second;
}

void TYachtWindow::MarkRect(int left, int top, int right, int bottom, Rgb colour) {
  AdviceMark mark;
  mark.x = left;
  mark.y = top;
  screen_.CopyOut(left, top, right - left, bottom - top, mark.under);
  adviceMarks_.push_back(std::move(mark));
  const Rgb ink = PaletteInk(colour);
  screen_.FillRect(left, top, right, top + kFrame, ink);
  screen_.FillRect(left, bottom - kFrame, right, bottom, ink);
  screen_.FillRect(left, top, left + kFrame, bottom, ink);
  screen_.FillRect(right - kFrame, top, right, bottom, ink);
}

void TYachtWindow::ShowBestMove() {
  ClearAdviceMarks();
  int column = 0;
  ai::TAdvice a;
  if (!BestMove(column, a)) {
    const std::string why = NoBestMoveWords();
    if (!why.empty())
      host_.MessageBox(why, Words("Advice", QT_TRANSLATE_NOOP("Advice", "Best Move")),
                       MessageIcon::Information, true);
    return;
  }
  const ai::TAction& best = a.best;
  if (best.category != 0) {
    const int top = RowTop(best.category);
    MarkRect(329, top - 3, 624, top + 23, ScoreInk);
  } else {
    bool returns = false;
    for (int i = 1; i <= 5; ++i) {
      if (game_.NextPlayerPending == 1 || game_.Die[i].InCup == 1 || best.keep[i - 1]) continue;
      const int s = game_.Die[i].Slot;
      if (s < 1 || s > 20) continue;
      const TTableSlot& place = game_.TableSlot[s];
      MarkRect(place.X - 3, place.Y - 3, place.X + 54, place.Y + 54, Parchment);
      returns = true;
    }
    if (!returns) MarkRect(27, 271, 134, 428, Parchment);
  }
  host_.Present();
  // The box leaves the marks in sight.
  int left = screen_.Width(), top = screen_.Height(), right = 0, bottom = 0;
  for (const AdviceMark& m : adviceMarks_) {
    left = std::min(left, m.x);
    top = std::min(top, m.y);
    right = std::max(right, m.x + m.under.width);
    bottom = std::max(bottom, m.y + m.under.height);
  }
  if (right > left) host_.KeepNextBoxClearOf(left, top, right - left, bottom - top);
  host_.MessageBox(AdviceWords(a), Words("Advice", QT_TRANSLATE_NOOP("Advice", "Best Move")),
                   MessageIcon::Information, true);
}

void TYachtWindow::ClearAdviceMarks() {
  for (auto m = adviceMarks_.rbegin(); m != adviceMarks_.rend(); ++m)
    screen_.CopyIn(m->under, m->x, m->y);
  adviceMarks_.clear();
}

}  // namespace ossaric
