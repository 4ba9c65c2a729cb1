// A mouse press, and the setup screen's own operations.
#include <string>

#include "persist/file_images.h"
#include "ui/words.h"
#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::HandleClick(int x, int y) {
  EndNameEditing();
  if (game_.ComputerBusy == 1) return;
  Press(TargetAt(x, y));
}

// Name editing ends with any press; a caret still blinking is wiped off. A name left empty is
// no name: its field returns to the default one.
void TYachtWindow::EndNameEditing() {
  RestoreEmptyName();
  NameEditing = 0;
  if (CaretTimerOn == 1) {
    CaretPhase = 0;
    CaretTimerOn = 0;
    host_.StopTimer(1);
    BlinkNameCaret();
  }
}

std::string TYachtWindow::ScorePreview(int x, int y) const {
  if (ScreenUp != SceneScreen::Board) return "";
  const Target target = BoardTargetAt(x, y);
  if (target.kind != TargetKind::Row) return "";
  const int points = game_.WouldScore(target.index);
  return points < 0 ? std::string() : PreviewText(target.index, points);
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

void TYachtWindow::RestoreEmptyName() {
  const int d = EditedName;
  if (NameEditing == 0 || d < 1 || d > 4 || PlayerName[d][0] != '\0') return;
  SetDefaultName(d, PlayerName[d]);
  NameCursor[d] = 7;
  if (ScreenUp == SceneScreen::Setup) DrawNameField(d);
}

void TYachtWindow::StartFromSetup() {
  RestoreEmptyName();
  ScreenUp = SceneScreen::Board;
  NameEditing = 0;
  ResetTotalsPlayer();
  game_.StartFromSetup();
}

}  // namespace ossaric
