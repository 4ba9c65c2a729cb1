// Decoding of the presses on the panels and the setup screen, and the setup screen's own
// operations; a press on the board goes to the game.
#include <cstdint>
#include <string>

#include "ui/words.h"
#include "ui/yacht_window.h"

namespace ossaric {

namespace {

// Inclusive on all four sides.
bool In(int x, int y, int left, int right, int top, int bottom) {
  return x >= left && x <= right && y >= top && y <= bottom;
}

// The tips counter after one more tip: a counter already past the last tip starts again.
int NextHintIndex(int index) {
  return index < TWindowState::HintCount ? index + 1 : 0;
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
  if (game_.ComputerBusy == 1) return;

  if (TotalsShown) {
    if (In(x, y, 340, 411, 375, 399)) {
      TotalsPlayer = game_.PlayerCount != 0 ? 1 : 0;
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
      else if (game_.GameActive == 0)
        game_.BeginGame();
      else
        host_.Invalidate();
    }
    return;
  }
  if (HintsShown) {
    if (In(x, y, 345, 445, 350, 390)) {
      HintsShown = 0;
      HintIndex = NextHintIndex(HintIndex);
      game_.BeginGame();
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
      if (game_.PlayerCount >= 2) SelectNameField(2);
    } else if (In(x, y, 352, 433, 305, 328)) {
      if (game_.PlayerCount >= 3) SelectNameField(3);
    } else if (In(x, y, 459, 540, 305, 328)) {
      if (game_.PlayerCount == 4) SelectNameField(4);
    } else if (In(x, y, 345, 545, 358, 376)) {
      ToggleHints();
    } else if (In(x, y, 326, 566, 389, 408)) {
      StartFromSetup();
    }
    return;
  }

  game_.HandleBoardClick(x, y);
}

std::string TYachtWindow::ScorePreview(int x, int y) const {
  if (TotalsShown || TopTenShown || HintsShown || SetupShown) return "";
  const TYachtGame::Preview preview = game_.ScorePreview(x, y);
  return preview.category == 0 ? std::string() : PreviewText(preview.category, preview.points);
}

void TYachtWindow::ChoosePlayerCount(int n) {
  if (n != game_.PlayerCount) {
    const int boxX[5] = {196, 48, 86, 125, 161};
    if (game_.PlayerCount >= 0 && game_.PlayerCount <= 4)
      AnimateChoiceDot(0, boxX[game_.PlayerCount], 215);
    game_.PlayerCount = n;
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
  TotalsPlayer = game_.PlayerCount != 0 ? 1 : 0;
  game_.StartFromSetup();
}

}  // namespace ossaric
