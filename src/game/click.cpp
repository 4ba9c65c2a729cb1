// Decoding of every mouse press on the scene, and the setup screen's own operations.
#include <cstdint>
#include <string>

#include "game/scoring.h"
#include "ui/yacht_window.h"

namespace ossaric {

namespace {

// Inclusive on all four sides.
bool In(int x, int y, int left, int right, int top, int bottom) {
  return x >= left && x <= right && y >= top && y <= bottom;
}

// The 50 x 50 die picture at (left, top), edges included; wide arithmetic, so a place far off
// the window never wraps around.
bool OnDie(int x, int y, int left, int top) {
  const int64_t dx = static_cast<int64_t>(x) - left, dy = static_cast<int64_t>(y) - top;
  return dx >= 0 && dx <= 50 && dy >= 0 && dy <= 50;
}

// The tips counter after one more tip: a counter already past the last tip starts again.
int NextHintIndex(int index) {
  return index < TYachtWindow::HintCount ? index + 1 : 0;
}

}  // namespace

void TYachtWindow::HandleClick(int x, int y) {
  NameEditing = 0;
  if (CaretTimerOn == 1) {
    CaretPhase = 0;
    CaretTimerOn = 0;
    host_.StopTimer(1);
    BlinkNameCaret();
  }
  if (ComputerBusy == 1) return;

  if (TotalsShown) {
    if (In(x, y, 340, 411, 375, 399)) {
      TotalsPlayer = PlayerCount != 0 ? 1 : 0;
      TotalsShown = 0;
      host_.Invalidate();
    } else if (In(x, y, 450, 571, 375, 403)) {
      // A column past the last one wraps to the first when drawn, so five is far enough.
      if (TotalsPlayer <= 4) TotalsPlayer += 1;
      DrawTotals();
    }
    return;
  }
  if (TopTenShown) {
    if (In(x, y, 400, 471, 350, 373)) {
      TopTenShown = 0;
      if (SetupShown)
        ShowSetupScreen();
      else if (GameActive == 0)
        BeginGame();
      else
        host_.Invalidate();
    }
    return;
  }
  if (HintsShown) {
    if (In(x, y, 345, 445, 350, 390)) {
      HintsShown = 0;
      HintIndex = NextHintIndex(HintIndex);
      BeginGame();
    } else if (In(x, y, 445, 545, 350, 390)) {
      HintIndex = NextHintIndex(HintIndex);
      DrawHints();
    }
    return;
  }
  if (SetupShown) {
    if (In(x, y, 323, 355, 223, 241)) {
      ChoosePlayerCount(1);
    } else if (In(x, y, 361, 393, 223, 241)) {
      ChoosePlayerCount(2);
    } else if (In(x, y, 400, 432, 223, 241)) {
      ChoosePlayerCount(3);
    } else if (In(x, y, 436, 468, 223, 241)) {
      ChoosePlayerCount(4);
    } else if (In(x, y, 471, 557, 223, 241)) {
      ChoosePlayerCount(0);
    } else if (In(x, y, 352, 433, 277, 299)) {
      SelectNameField(1);
    } else if (In(x, y, 459, 540, 277, 299)) {
      if (PlayerCount >= 2) SelectNameField(2);
    } else if (In(x, y, 352, 433, 305, 328)) {
      if (PlayerCount >= 3) SelectNameField(3);
    } else if (In(x, y, 459, 540, 305, 328)) {
      if (PlayerCount == 4) SelectNameField(4);
    } else if (In(x, y, 345, 545, 358, 376)) {
      ToggleHints();
    } else if (In(x, y, 326, 566, 389, 408)) {
      StartFromSetup();
    }
    return;
  }

  // The board.
  if (x >= 335 && x <= 620) {
    for (int k = 1; k <= kCategoryCount; ++k) {
      if (y >= RowTop(k) && y <= RowTop(k) + 19) {
        ScoreCategory(k);
        break;
      }
    }
    return;
  }
  if (In(x, y, 30, 130, 274, 424)) {
    if (NextPlayerPending == 1) NextPlayer();
    if (PlayerCount != 0 || CurrentPlayer == 1) ThrowDice();
    return;
  }
  if (DiceInCup >= 5) return;
  for (int i = 1; i <= 5; ++i) {
    const int slot = Die[i].Slot;
    if (slot < 1 || slot > 20) continue;
    const TTableSlot& place = TableSlot[slot];
    if (!OnDie(x, y, place.X, place.Y)) continue;
    if (GameActive == 0) {
      host_.MessageBox("Choose option from the Play menu", "End of Game", MessageIcon::None, true);
    } else if (ThrowsMade >= ThrowLimit) {
      host_.MessageBox("Choose a score category now", "Three roll limit", MessageIcon::None, true);
    } else if (Die[i].InCup == 0) {
      SelectedDie = i;
      ReturnDieToCup();
      UndoReturn = 1;
      UndoScore = 0;
      if (SoundOn) PlayEffect(kDiceCup, true);
    }
    return;
  }
}

std::string TYachtWindow::ScorePreview(int x, int y) const {
  if (TotalsShown || TopTenShown || HintsShown || SetupShown || ComputerBusy) return "";
  if (GameActive == 0 || ScoreAllowed == 0 || CurrentPlayer < 1 || CurrentPlayer > 4) return "";
  if (x < 335 || x > 620) return "";
  for (int k = 1; k <= kCategoryCount; ++k) {
    if (y < RowTop(k) || y > RowTop(k) + 19) continue;
    if (Sheet[CurrentPlayer].Entry[k] != -1) return "";
    const Faces faces{Die[1].Face, Die[2].Face, Die[3].Face, Die[4].Face, Die[5].Face};
    return std::string(kCategoryNames[k]) + ": " + std::to_string(CategoryPoints(k, faces));
  }
  return "";
}

void TYachtWindow::ChoosePlayerCount(int n) {
  if (n != PlayerCount) {
    const int boxX[5] = {196, 48, 86, 125, 161};
    if (PlayerCount >= 0 && PlayerCount <= 4) AnimateChoiceDot(0, boxX[PlayerCount], 215);
    PlayerCount = n;
    AnimateChoiceDot(1, boxX[n], 215);
  }
  DrawPlayerNames();
}

void TYachtWindow::SelectNameField(int n) {
  NameEditing = 1;
  CaretTimerOn = 1;
  CaretX = NameEndX[n];
  CaretY = NameEndY[n];
  host_.StartTimer(1, 500);
  EditedName = n;
}

void TYachtWindow::ToggleHints() {
  if (HintIndex < 0) {
    HintIndex = 0;
    DrawHintsBox(true);
  } else {
    HintIndex = -1;
    DrawHintsBox(false);
  }
}

void TYachtWindow::StartFromSetup() {
  SetupShown = 0;
  NameEditing = 0;
  TotalsPlayer = PlayerCount != 0 ? 1 : 0;
  GameActive = 1;
  CurrentPlayer = 1;
  UndoScore = 0;  // the discarded game's last move is not this game's
  UndoReturn = 0;
  ResetGame(true);
  NextPlayerPending = 0;
  SavedThrows = ThrowsMade;
  ThrowsMade = 0;
  for (int i = 1; i <= 5; ++i) {
    Die[i].InCup = 1;
    ToThrow[i] = 1;
  }
  DiceInCup = 5;
  for (int k = 1; k <= 20; ++k) TableSlot[k].Occupied = 0;
  DrawThrowDots();
}

}  // namespace ossaric
