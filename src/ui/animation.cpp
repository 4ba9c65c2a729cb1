// The moving pictures: the cup shaking, dice flying from the bottom edge to their places and
// sliding back into the cup, the dice lying on the table, the throw dots and the button that
// hands the cup on. Every step restores what lay under the moving picture, moves it, saves what
// lies under it now and draws it through its mask.
#include <algorithm>

#include "ui/yacht_window.h"

namespace ossaric {

namespace {

// Top-left corners of the pips relative to the die's top-left; each pip is an 8 x 8 disc.
struct Pip {
  int dx, dy;
};
constexpr Pip kC{24, 16}, kTL{13, 7}, kTR{33, 7}, kML{13, 16}, kMR{33, 16}, kBL{13, 25},
    kBR{33, 25};

// The cup is shaken twice through these four positions, at its home height.
constexpr int kShakeX[4] = {40, 30, 10, 30};

// Places outside this range cannot be on the screen; keeping coordinates inside it keeps the
// arithmetic of a movement far from overflow whatever the state holds.
int Sane(int v) {
  return std::clamp(v, -10000, 10000);
}

}  // namespace

void TYachtWindow::DrawPips(int face, int x, int y) {
  static constexpr Pip kFaces[7][6] = {{},
                                       {kC},
                                       {kTL, kBR},
                                       {kTL, kBR, kC},
                                       {kBL, kTR, kTL, kBR},
                                       {kBL, kTR, kTL, kBR, kC},
                                       {kML, kMR, kBL, kTR, kTL, kBR}};
  if (face < 1 || face > 6) return;
  const Rgb ink = PaletteInk(PipInk);
  for (int n = 0; n < face; ++n) {
    const Pip& pip = kFaces[face][n];
    screen_.FillEllipse(x + pip.dx, y + pip.dy, x + pip.dx + 8, y + pip.dy + 8, ink, ink);
  }
}

void TYachtWindow::DrawDieSprite(int i, int face, int x, int y) {
  if (i < 1 || i > 10) return;
  screen_.CopyOut(x, y, 50, 50, DieUnder[i]);
  DrawMasked(DieImage, DieMask, x, y);
  DrawPips(face, x, y);
}

void TYachtWindow::AnimateCupShake() {
  TellThrowBegins();
  screen_.CopyIn(CupUnder, kCupX, kCupY);
  for (int round = 0; round < 2; ++round) {
    for (int x : kShakeX) {
      screen_.CopyOut(x, kCupY, kCupWidth, kCupHeight, CupUnder);
      DrawMasked(CupImage, CupMask, x, kCupY);
      Delay(AnimDelay);
      screen_.CopyIn(CupUnder, x, kCupY);
    }
  }
}

// The die rises from below the scene in ten equal steps, pausing after steps 2, 5 and 8, and
// is finally drawn exactly on its place (the steps may stop up to nine pixels short of it).
void TYachtWindow::AnimateDieFlight(int i) {
  if (i < 1 || i > 5) return;
  TellDieLanded(i);
  const int slot = game_.Die[i].Slot;
  if (slot < 1 || slot > 20) return;
  const int x = Sane(game_.TableSlot[slot].X), y = Sane(game_.TableSlot[slot].Y);
  const int face = game_.Die[i].Face;
  const int step = (434 - y) / 10;
  int cy = 434;
  screen_.CopyOut(x, 434, 50, 50, DieUnder[i]);  // wholly below the scene: nothing is kept
  for (int j = 1; j <= 10; ++j) {
    screen_.CopyIn(DieUnder[i], x, cy);
    cy -= step;
    DrawDieSprite(i, face, x, cy);
    if (j == 2 || j == 5 || j == 8) Delay(AnimDelay);
  }
  screen_.CopyIn(DieUnder[i], x, cy);
  DrawDieSprite(i, face, x, y);
}

void TYachtWindow::SettleCup() {
  screen_.CopyOut(kCupX, kCupY, kCupWidth, kCupHeight, CupUnder);
  DrawCupAtHome();
  TellThrowEnds();
}

// A blank die body slides from its place towards the cup's mouth at (55, 249) in ten steps and
// vanishes there; whatever it crossed is whole again behind it.
void TYachtWindow::AnimateDieToCup(int i) {
  if (i < 1 || i > 5) return;
  const int slot = game_.Die[i].Slot;
  if (slot < 1 || slot > 20) return;
  int x = Sane(game_.TableSlot[slot].X), y = Sane(game_.TableSlot[slot].Y);
  const int dx = std::abs(55 - x) / 10;
  const int dy = std::abs(249 - y) / 10;
  for (int j = 1; j <= 10; ++j) {
    screen_.CopyIn(DieUnder[i], x, y);
    y = y <= 249 ? y + dy : y - dy;
    x = x <= 55 ? x + dx : x - dx;
    screen_.CopyOut(x, y, 50, 50, DieUnder[i]);
    DrawMasked(DieImage, DieMask, x, y);
    if (j == 2 || j == 5 || j == 8) Delay(AnimDelay);
  }
  screen_.CopyIn(DieUnder[i], x, y);
}

void TYachtWindow::DrawDieAtPlace(int i) {
  if (i < 1 || i > 5) return;
  const int s = game_.Die[i].Slot;
  if (s < 1 || s > 20) return;
  const int x = Sane(game_.TableSlot[s].X), y = Sane(game_.TableSlot[s].Y);
  screen_.CopyIn(SlotUnder[s], x, y);
  DrawDieSprite(i, game_.Die[i].Face, x, y);
}

void TYachtWindow::DrawTableDice() {
  for (int i = 1; i <= 5; ++i)
    if (game_.Die[i].InCup == 0) DrawDieAtPlace(i);
}

// Three dots under the cup: all dark, then as many lit from the left as throws remain.
void TYachtWindow::DrawThrowDots() {
  const Rgb dark = PaletteInk(DotDark);
  for (int n = 0; n < 3; ++n) screen_.FillEllipse(70 + 8 * n, 425, 74 + 8 * n, 429, dark, dark);
  const Rgb lit = PaletteInk(DotLit);
  const long long left = static_cast<long long>(game_.ThrowLimit) - game_.ThrowsMade;
  for (int n = 0; n < 3 && n < left; ++n)
    screen_.FillEllipse(70 + 8 * n, 425, 74 + 8 * n, 429, lit, lit);
  host_.SceneChanged();
}

// The game shows the button when the cup waits to be handed on: that is told; a repaint only
// draws it again.
void TYachtWindow::DrawNextPlayerButton() {
  DrawNextPlayerPicture();
  TellHandover();
}

void TYachtWindow::DrawNextPlayerPicture() {
  screen_.DrawBitmap(NextPlayerImage, 55, 317);
}

}  // namespace ossaric
