// Which target a pixel of the client area shows, on whatever screen is up, and what pressing a
// target does there. Mouse presses, keys and a screen reader's actions all end in Press.
#include <algorithm>
#include <cstdint>

#include "game/geometry.h"
#include "ui/words.h"
#include "ui/yacht_window.h"

namespace ossaric {

namespace {

// The die picture at (left, top), edges included; wide arithmetic, so a place far off the
// window never wraps around.
bool OnDie(int x, int y, int left, int top) {
  const int64_t dx = static_cast<int64_t>(x) - left, dy = static_cast<int64_t>(y) - top;
  return dx >= 0 && dx <= kDieSize && dy >= 0 && dy <= kDieSize;
}

// A rectangle of the picture, inclusive on all four sides.
struct Box {
  int left, right, top, bottom;
  bool Holds(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

constexpr Box kTotalsReturn{340, 411, 375, 399}, kTotalsNext{450, 571, 375, 403};
constexpr Box kTopTenReturn{400, 471, 350, 373};
// The column x = 445 is "Return"'s: it is tested first.
constexpr Box kHintsReturn{345, 445, 350, 390}, kHintsNext{445, 545, 350, 390};
// The players row: "1" to "4", then "Computer".
constexpr Box kPlayerBoxes[5] = {{471, 557, 223, 241},
                                 {323, 355, 223, 241},
                                 {361, 393, 223, 241},
                                 {400, 432, 223, 241},
                                 {436, 468, 223, 241}};
constexpr Box kNameBoxes[5] = {{0, -1, 0, -1},
                               {352, 433, 277, 299},
                               {459, 540, 277, 299},
                               {352, 433, 305, 328},
                               {459, 540, 305, 328}};
constexpr Box kHintsSwitch{345, 545, 358, 376}, kStart{326, 566, 389, 408};

// The tips counter after one more tip: a counter already past the last tip starts again.
int NextHintIndex(int index) {
  return index < TWindowState::HintCount ? index + 1 : 0;
}

}  // namespace

Target TYachtWindow::TargetAt(int x, int y) const {
  switch (ScreenUp) {
    case SceneScreen::Totals:
      if (kTotalsReturn.Holds(x, y)) return {TargetKind::TotalsReturn, 0};
      if (kTotalsNext.Holds(x, y)) return {TargetKind::TotalsNext, 0};
      return {};
    case SceneScreen::TopTen:
      return kTopTenReturn.Holds(x, y) ? Target{TargetKind::TopTenReturn, 0} : Target{};
    case SceneScreen::Hints:
      if (kHintsReturn.Holds(x, y)) return {TargetKind::HintsReturn, 0};
      if (kHintsNext.Holds(x, y)) return {TargetKind::HintsNext, 0};
      return {};
    case SceneScreen::Setup:
      for (int n : {1, 2, 3, 4, 0})
        if (kPlayerBoxes[n].Holds(x, y)) return {TargetKind::Players, n};
      for (int n = 1; n <= 4; ++n)
        if (kNameBoxes[n].Holds(x, y)) return {TargetKind::NameField, n};
      if (kHintsSwitch.Holds(x, y)) return {TargetKind::HintsSwitch, 0};
      if (kStart.Holds(x, y)) return {TargetKind::Start, 0};
      return {};
    case SceneScreen::Board:
      break;
  }
  return BoardTargetAt(x, y);
}

// A die in the cup is found at its old place while any die lies on the table.
Target TYachtWindow::BoardTargetAt(int x, int y) const {
  if (x >= kSheetLeft && x <= kSheetRight) {
    for (int k = 1; k <= kCategoryCount; ++k)
      if (y >= RowTop(k) && y < RowTop(k) + kRowHeight) return {TargetKind::Row, k};
    return {};
  }
  if (x >= kCupX && x <= kCupX + kCupWidth && y >= kCupY && y <= kCupY + kCupHeight)
    return {TargetKind::Cup, 0};
  // With every die in the cup nothing lies on the table, not even at a die's old place.
  if (game_.DiceInCup >= 5) return {};
  for (int i = 1; i <= 5; ++i) {
    const int slot = game_.Die[i].Slot;
    if (slot < 1 || slot > 20) continue;
    if (OnDie(x, y, game_.TableSlot[slot].X, game_.TableSlot[slot].Y)) return {TargetKind::Die, i};
  }
  return {};
}

bool TYachtWindow::TakesPress(Target target) const {
  switch (target.kind) {
    case TargetKind::None:
      return false;
    case TargetKind::TotalsReturn:
    case TargetKind::TotalsNext:
      return ScreenUp == SceneScreen::Totals;
    case TargetKind::TopTenReturn:
      return ScreenUp == SceneScreen::TopTen;
    case TargetKind::HintsReturn:
    case TargetKind::HintsNext:
      return ScreenUp == SceneScreen::Hints;
    case TargetKind::Players:
    case TargetKind::HintsSwitch:
    case TargetKind::Start:
      return ScreenUp == SceneScreen::Setup;
    case TargetKind::NameField:
      // Player 1's name is always open; the others only for the players chosen.
      return ScreenUp == SceneScreen::Setup && target.index >= 1 && target.index <= 4 &&
             (target.index == 1 || target.index <= game_.PlayerCount);
    case TargetKind::Cup:
    case TargetKind::Die:
    case TargetKind::Row:
      return ScreenUp == SceneScreen::Board;
    case TargetKind::Total:
      return false;  // read, never pressed
  }
  return false;
}

void TYachtWindow::Press(Target target) {
  if (game_.ComputerBusy == 1 || !TakesPress(target)) return;
  switch (target.kind) {
    case TargetKind::TotalsReturn:
      ResetTotalsPlayer();
      ScreenUp = SceneScreen::Board;
      host_.Invalidate();
      break;
    case TargetKind::TotalsNext:
      // A column past the last one wraps to the first when drawn, so five is far enough.
      if (TotalsPlayer <= 4) TotalsPlayer += 1;
      DrawTotals();
      break;
    case TargetKind::TopTenReturn:
      ScreenUp = SceneScreen::Board;
      if (game_.GameActive == 0)
        game_.BeginGame();
      else
        host_.Invalidate();
      break;
    case TargetKind::HintsReturn:
      ScreenUp = SceneScreen::Board;
      HintIndex = NextHintIndex(HintIndex);
      game_.BeginGame();
      break;
    case TargetKind::HintsNext:
      HintIndex = NextHintIndex(HintIndex);
      DrawHints();
      break;
    case TargetKind::Players:
      if (target.index >= 0 && target.index <= 4) ChoosePlayerCount(target.index);
      break;
    case TargetKind::NameField:
      SelectNameField(target.index);
      break;
    case TargetKind::HintsSwitch:
      ToggleHints();
      break;
    case TargetKind::Start:
      StartFromSetup();
      break;
    default: {
      const bool onTable = target.kind == TargetKind::Die && target.index >= 1 &&
                           target.index <= 5 && game_.Die[target.index].InCup == 0;
      game_.PressBoard(target);
      if (onTable && game_.Die[target.index].InCup != 0) TellDieToCup(target.index);
      break;
    }
  }
}

TBox TYachtWindow::TargetBox(Target target) const {
  auto box = [](const Box& b) {
    return TBox{b.left, b.top, b.right - b.left + 1, b.bottom - b.top + 1};
  };
  switch (target.kind) {
    case TargetKind::None:
      return {};
    case TargetKind::Cup:
      return {kCupX, kCupY, kCupWidth + 1, kCupHeight + 1};
    case TargetKind::Die: {
      if (target.index < 1 || target.index > 5) return {};
      const int slot = game_.Die[target.index].Slot;
      if (slot < 1 || slot > 20) return {};
      return {game_.TableSlot[slot].X, game_.TableSlot[slot].Y, kDieSize + 1, kDieSize + 1};
    }
    case TargetKind::Row:
      return {kSheetLeft, RowTop(target.index), kSheetRight - kSheetLeft + 1, kRowHeight};
    case TargetKind::TotalsReturn:
      return box(kTotalsReturn);
    case TargetKind::TotalsNext:
      return WidenToWords(box(kTotalsNext), 450, "Next Player");
    case TargetKind::TopTenReturn:
      return box(kTopTenReturn);
    case TargetKind::HintsReturn:
      return box(kHintsReturn);
    case TargetKind::HintsNext:
      return WidenToWords(
          box({kHintsNext.left + 1, kHintsNext.right, kHintsNext.top, kHintsNext.bottom}), 445,
          "Next Hint");
    case TargetKind::Players:
      return target.index >= 0 && target.index <= 4 ? box(kPlayerBoxes[target.index]) : TBox{};
    case TargetKind::NameField:
      return target.index >= 1 && target.index <= 4 ? box(kNameBoxes[target.index]) : TBox{};
    case TargetKind::HintsSwitch:
      return box(kHintsSwitch);
    case TargetKind::Start:
      return box(kStart);
    case TargetKind::Total:
      return {335, 375, 258, 37};  // the total line under the sheet
  }
  return {};
}

// A panel button's box, wide enough for its words drawn from `x` with the last letter's ink
// inside: the focus ring goes round the words, never through them.
TBox TYachtWindow::WidenToWords(TBox box, int x, const char* words) const {
  const int width =
      screen_.TextWidth(FontId::Sheet, Utf8(QCoreApplication::translate("Panels", words))) + 2;
  box.w = std::max(box.w, x + width - box.x);
  return box;
}

}  // namespace ossaric
