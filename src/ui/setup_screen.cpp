// The setup screen on the scroll: the greyed choices that are always fixed, the number of
// players with its dot, the players' names, the tip-of-the-day box, the growing and shrinking
// choice dot and the blinking caret of name entry.
#include <algorithm>
#include <cstring>
#include <string>

#include "ui/name_fields.h"
#include "ui/words.h"
#include "ui/yacht_window.h"

namespace ossaric {

namespace {

// The setup picture's top-left on the screen.
constexpr int kSetupX = 275, kSetupY = 8;

}  // namespace

void TYachtWindow::ShowSetupScreen() {
  ScreenUp = SceneScreen::Setup;
  DrawSetupScreen();
}

void TYachtWindow::DrawSetupScreen() {
  const Rgb ink = PaletteInk(SetupInk);
  const Rgb grey = PaletteInk(GreyInk);
  screen_.DrawBitmap(SetupImage, kSetupX, kSetupY);
  screen_.DrawText(FontId::Setup, 338, 94, Utf8(QCoreApplication::translate("Setup", "5-Dice")),
                   ink);
  screen_.DrawText(FontId::Setup, 453, 94,
                   Utf8(QCoreApplication::translate("Setup", "Single-Column")), ink);
  screen_.DrawBitmap(GreyBoxImage, 313, 117);
  screen_.DrawBitmap(GreyBoxImage, 428, 117);
  screen_.DrawText(FontId::Setup, 338, 117, Utf8(QCoreApplication::translate("Setup", "10-Dice")),
                   grey);
  screen_.DrawText(FontId::Setup, 453, 117,
                   Utf8(QCoreApplication::translate("Setup", "Double-Column")), grey);
  DrawRollsRow();
  screen_.DrawText(FontId::Setup, 344, 223, "1", ink);
  screen_.DrawText(FontId::Setup, 382, 223, "2", ink);
  screen_.DrawText(FontId::Setup, 421, 223, "3", ink);
  screen_.DrawText(FontId::Setup, 457, 223, "4", ink);
  DrawPlayersRow();
  screen_.DrawBitmap(DotLarge, 317, 98);
  screen_.DrawBitmap(DotLarge, 432, 98);
  DrawPlayerNames();
  if (HintIndex >= 0) DrawHintsBox(true);
}

// The throw counts are fixed at three: all three choices stand greyed and undotted.
void TYachtWindow::DrawRollsRow() {
  const Rgb grey = PaletteInk(GreyInk);
  constexpr int kBoxX[3] = {379, 423, 471};
  constexpr int kTextX[3] = {401, 445, 493};
  const char* const kText[3] = {"3", "4", "5"};
  for (int n = 0; n < 3; ++n) {
    screen_.DrawBitmap(GreyBoxImage, kBoxX[n], 170);
    screen_.DrawText(FontId::Setup, kTextX[n], 170, kText[n], grey);
  }
}

void TYachtWindow::DrawPlayersRow() {
  screen_.DrawBitmap(BoxImage, 471, 223);
  screen_.DrawText(FontId::Setup, 491, 223, Utf8(QCoreApplication::translate("Setup", "Computer")),
                   PaletteInk(SetupInk));
  constexpr int kDotX[5] = {475, 327, 365, 404, 440};
  if (game_.PlayerCount >= 0 && game_.PlayerCount <= 4)
    screen_.DrawBitmap(DotLarge, kDotX[game_.PlayerCount], 227);
}

void TYachtWindow::DrawPlayerNames() {
  const Rgb ink = PaletteInk(SetupInk);
  for (int n = 1; n <= 4; ++n) NameCursor[n] = static_cast<int>(strnlen(PlayerName[n], 8)) - 1;
  auto write = [&](int n) {
    const std::string name = ShownName(PlayerName[n]);
    const int x = kNameFieldX[n] + kNameInset, y = kNameFieldY[n] + kNameInset;
    screen_.DrawText(FontId::Name, x, y, name, ink);
    CaretX = x + screen_.TextWidth(FontId::Name, name);
    CaretY = y;
    NameEndX[n] = CaretX;
    NameEndY[n] = CaretY;
  };
  write(1);
  const int named = std::min(game_.PlayerCount, 4);
  for (int n = 2; n <= named; ++n) {
    screen_.DrawBitmap(NameBoxImage, kNameFieldX[n], kNameFieldY[n]);
    write(n);
  }
  for (int n = std::max(2, named + 1); n <= 4; ++n)
    screen_.DrawBitmap(GreyNameBoxImage, kNameFieldX[n], kNameFieldY[n]);
}

// Ticked: the lower-left 11 x 11 block of the tick picture inside the box; not ticked: the
// empty box over it.
void TYachtWindow::DrawHintsBox(bool ticked) {
  if (ticked)
    screen_.DrawBitmapPart(TickImage, 0, 4, 11, 11, 349, 362);
  else
    screen_.DrawBitmap(BoxImage, 345, 358);
}

// The dot grows in three steps of 100 ms, or shrinks away in three and leaves the box empty.
void TYachtWindow::AnimateChoiceDot(int mode, int bx, int by) {
  if (mode != 0 && mode != 1) return;
  const Bitmap* const steps[2][3] = {{&DotMedium, &DotSmall, &BoxImage},
                                     {&DotSmall, &DotMedium, &DotLarge}};
  for (const Bitmap* step : steps[mode]) {
    Delay(100);
    const int inset = step == &BoxImage ? 0 : 4;  // the dots sit 4 pixels into the box
    screen_.DrawBitmap(*step, kSetupX + inset + bx, kSetupY + inset + by);
  }
}

// One blink: write the underscore, or wipe the 12 x 3 strip that holds it.
void TYachtWindow::BlinkNameCaret() {
  const int x = std::clamp(CaretX, -10000, 10000), y = std::clamp(CaretY, -10000, 10000);
  if (CaretPhase == 1) {
    screen_.DrawText(FontId::Setup, x, y - 5, "_", PaletteInk(SetupInk));
  } else {
    screen_.FillRect(x - 2, y + 12, x + 10, y + 15, PaletteInk(Parchment));
  }
  CaretPhase = CaretPhase == 1 ? 0 : 1;  // any other value counts as off
}

}  // namespace ossaric
