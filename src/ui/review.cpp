// The review of the last game, from the menu: for each person at the table how close their
// choices came to the best play, and the choices that cost the most.
#include <algorithm>
#include <string>

#include "platform/words.h"
#include "ui/words.h"
#include "ui/yacht_window.h"

namespace ossaric {

namespace {

constexpr int kListed = 5;  // costliest choices shown for each player

std::string DiceList(Faces faces, const ai::DiceSet* only) {
  std::string out;
  std::array<int, 5> order{0, 1, 2, 3, 4};
  std::sort(order.begin(), order.end(), [&](int a, int b) { return faces[a] < faces[b]; });
  for (int i : order) {
    if (only != nullptr && !(*only)[i]) continue;
    if (!out.empty()) out += ' ';
    out += std::to_string(faces[i]);
  }
  return out;
}

std::string ActionWords(const TDecision& d, const ai::TAction& a) {
  if (a.category != 0)
    return Words("Review", QT_TRANSLATE_NOOP("Review", "write %1"), {CategoryName(a.category)});
  const std::string kept = DiceList(d.faces, &a.keep);
  if (kept.empty()) return Words("Review", QT_TRANSLATE_NOOP("Review", "throw all five"));
  return Words("Review", QT_TRANSLATE_NOOP("Review", "keep %1 and throw"), {kept});
}

}  // namespace

std::string TYachtWindow::ReviewWords() const {
  const std::vector<TPlayerReview> accounts = review_.Accounts(kListed);
  if (!review_.HasFinished() || accounts.empty())
    return Words("Review", QT_TRANSLATE_NOOP("Review",
                                             "The review is ready once a game has been played to "
                                             "its end."));
  std::string text;
  for (const TPlayerReview& r : accounts) {
    if (!text.empty()) text += "\n\n";
    const std::string percent = Decimal(r.percent, 1), lost = Decimal(r.lost, 1);
    if (accounts.size() == 1)
      text += Words("Review",
                    QT_TRANSLATE_NOOP("Review", "Your play: %1 % (%2 points lost to choices)"),
                    {percent, lost});
    else
      text += Words("Review", QT_TRANSLATE_NOOP("Review", "%1: %2 % (%3 points lost to choices)"),
                    {ShownName(PlayerName[r.column]), percent, lost});
    if (r.costliest.empty()) {
      text += "\n" + Words("Review", QT_TRANSLATE_NOOP("Review", "Every choice was the best one."));
      continue;
    }
    for (const TDecision& d : r.costliest)
      text += "\n" + Words("Review",
                           QT_TRANSLATE_NOOP(
                               "Review", "Turn %1, throw %2, dice %3: %4; best: %5 (%6 points)."),
                           {std::to_string(d.turn), std::to_string(d.throwsMade),
                            DiceList(d.faces, nullptr), ActionWords(d, d.done),
                            ActionWords(d, d.best), Decimal(d.Cost(), 1)});
  }
  return text;
}

void TYachtWindow::ShowReview() {
  if (game_.ComputerBusy) return;
  host_.MessageBox(ReviewWords(), Words("Review", QT_TRANSLATE_NOOP("Review", "Review")),
                   MessageIcon::Information, true);
}

}  // namespace ossaric
