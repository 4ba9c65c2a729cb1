// The pictures and the shared palette, the full repaint of the scene, the cursor by region and
// the masked-sprite rule that draws the dice and the cup.
#include "platform/languages.h"
#include "ui/words.h"
#include "ui/yacht_window.h"

namespace ossaric {

void TYachtWindow::LoadPictures() {
  Background = LoadResourceBitmap("BITMAP_12", 632, 434);
  BuildSharedPalette();
  ConvertToPalette(Background, SharedPalette);
  DieImage = LoadResourceBitmap("BITMAP_1", 50, 50);
  DieMask = LoadResourceBitmap("BITMAP_6", 50, 50);
  CupImage = LoadResourceBitmap("BITMAP_7", 100, 150);
  CupMask = LoadResourceBitmap("BITMAP_8", 100, 150);
  // The save-under buffers take their sizes from two patches of marble; what they hold is
  // always written before it is read.
  const Bitmap dieTemplate = LoadResourceBitmap("BITMAP_2", 50, 50);
  const Bitmap cupTemplate = LoadResourceBitmap("BITMAP_3", 101, 151);
  auto create = [](Offscreen& buffer, const Bitmap& like) {
    buffer.width = like.width;
    buffer.height = like.height;
    buffer.pixels.assign(static_cast<size_t>(like.width) * like.height, 0);
    buffer.valid.assign(buffer.pixels.size(), 0);
  };
  for (Offscreen& buffer : DieUnder) create(buffer, dieTemplate);
  for (Offscreen& buffer : SlotUnder) create(buffer, dieTemplate);
  create(CupUnder, cupTemplate);
  // The pictures with words in them come in the player's language where the game has it.
  NextPlayerImage = LoadWordedBitmap("BITMAP_4", 50, 50);
  SetupImage = LoadWordedBitmap("BITMAP_14", 345, 415);
  TickImage = LoadResourceBitmap("BITMAP_15", 15, 15);
  BoxImage = LoadResourceBitmap("BITMAP_16", 19, 19);
  DotLarge = LoadResourceBitmap("BITMAP_17", 11, 11);
  DotMedium = LoadResourceBitmap("BITMAP_18", 11, 11);
  DotSmall = LoadResourceBitmap("BITMAP_19", 11, 11);
  NameBoxImage = LoadResourceBitmap("BITMAP_20", 82, 24);
  GreyBoxImage = LoadResourceBitmap("BITMAP_21", 19, 19);
  GreyNameBoxImage = LoadResourceBitmap("BITMAP_22", 82, 24);
}

// The display keeps h colours at each end of the palette for itself; the scene's colours fill
// the middle in the order of Background's table. A display without a palette (-1) reserves
// nothing, and the palette is then exactly Background's table.
void TYachtWindow::BuildSharedPalette() {
  int h = host_.ReservedSystemColours() / 2;
  if (h < 0) h = 0;
  if (h > 128) h = 128;  // a display cannot reserve more than the whole palette
  const std::array<uint32_t, 256> system = host_.SystemPalette();
  for (int k = 0; k < h; ++k) {
    SharedPalette[k] = system[k] & 0xffffffu;
    SharedPaletteFlags[k] = 0;
    SharedPalette[255 - k] = system[255 - k] & 0xffffffu;
    SharedPaletteFlags[255 - k] = 0;
  }
  for (int j = 0; j <= 255 - 2 * h; ++j) {
    const Rgb colour = Background.colours[j];
    bool systemColour = false;
    for (int k = 256 - h; k < 256; ++k) systemColour |= (system[k] & 0xffffffu) == colour;
    SharedPalette[h + j] = colour;
    SharedPaletteFlags[h + j] = systemColour ? kPaletteReserved : kPaletteNoCollapse;
  }
}

Rgb TYachtWindow::PaletteInk(Rgb colour) const {
  return SharedPalette[NearestIndex(SharedPalette, colour)];
}

void TYachtWindow::PaintScreen() {
  bool startMusic = false;
  host_.SetCursor(CursorId::Wait);
  screen_.DrawBitmap(Background, 0, 0);
  if (FirstPaint == 1) {
    for (Bitmap* picture : {&DieImage, &DieMask, &CupImage, &CupMask, &NextPlayerImage, &SetupImage,
                            &TickImage, &BoxImage, &DotLarge, &DotMedium, &DotSmall, &NameBoxImage,
                            &GreyBoxImage, &GreyNameBoxImage})
      ConvertToPalette(*picture, SharedPalette);
    // The clean scene under the cup's home and under every landing place, taken once for good
    // while only Background is drawn: the setup scroll reaches five pixels into the rightmost
    // places, and a die redrawn there must not bring a strip of it back onto the table.
    screen_.CopyOut(kCupX, kCupY, kCupWidth, kCupHeight, CupUnder);
    for (int k = 1; k <= 20; ++k)
      screen_.CopyOut(game_.TableSlot[k].X, game_.TableSlot[k].Y, 50, 50, SlotUnder[k]);
    FirstPaint = 0;
    startMusic = MusicOn != 0;
    if (ScreenUp == SceneScreen::Setup)
      DrawSetupScreen();
    else if (ScreenUp == SceneScreen::Hints)
      DrawHints();
    ResetTotalsPlayer();
    SetAudioCheckMarks();
    host_.SetCursor(CursorId::Arrow);
  }
  switch (ScreenUp) {
    case SceneScreen::Setup:
      DrawSetupScreen();
      break;
    case SceneScreen::Hints:
      DrawHints();
      break;
    case SceneScreen::TopTen:
      DrawTopTen();
      break;
    case SceneScreen::Totals:
      ResetTotalsPlayer();
      DrawTotals();
      break;
    case SceneScreen::Board:
      break;
  }
  const bool panelShown = ScreenUp != SceneScreen::Board;
  if (!panelShown) DrawCategoryLabels();
  DrawCupAtHome();
  if (!panelShown && game_.GameActive == 1) {
    DrawTableDice();
    DrawScoreColumn(false);
    DrawTotalLine(false);
    if (game_.NextPlayerPending) {
      DrawNextPlayerPicture();
      host_.SetCursor(CursorId::Next);
    }
    DrawThrowDots();
  }
  // The music starts once the scene is whole: a box about a music file that cannot be played
  // then stands over the finished picture, not over a half-drawn one.
  if (startMusic) AdvancePlaylist();
}

void TYachtWindow::UpdateCursor(int x, int y) {
  if (game_.ComputerBusy) {
    host_.SetCursor(CursorId::Wait);
  } else if (y < 7 || ScreenUp != SceneScreen::Board) {
    host_.SetCursor(CursorId::Arrow);
  } else if (x >= 30 && x <= 120 && y >= 260 && y <= 424) {
    host_.SetCursor(game_.NextPlayerPending ? CursorId::Next : CursorId::Roll);
  } else {
    host_.SetCursor(x >= 305 ? CursorId::Pen : CursorId::Hand);
  }
}

// The mask clears the object's shape out of the scene, the picture (black wherever the object is
// absent) then fills it in: outside the object the scene stays as it was.
void TYachtWindow::DrawMasked(const Bitmap& picture, const Bitmap& mask, int x, int y) {
  screen_.DrawBitmap(mask, x, y, RasterOp::And);
  screen_.DrawBitmap(picture, x, y, RasterOp::Or);
}

void TYachtWindow::DrawCupAtHome() {
  DrawMasked(CupImage, CupMask, kCupX, kCupY);
}

Bitmap TYachtWindow::LoadWordedBitmap(const std::string& name, int width, int height) {
  const std::string& language = CurrentLanguage();
  if (!language.empty() && HasResourceBitmap(name + "_" + language))
    return LoadResourceBitmap(name + "_" + language, width, height);
  return LoadResourceBitmap(name, width, height);
}

// English prints its labels as they are; another language's name gets a leader of underscores
// out to where the English label ends.
void TYachtWindow::DrawCategoryLabels() {
  const Rgb ink = PaletteInk(LabelInk);
  for (int k = 1; k <= kCategoryCount; ++k)
    screen_.DrawText(FontId::Sheet, 335, RowTop(k), CategoryLabel(k), ink);
}

std::string TYachtWindow::CategoryLabel(int category) const {
  const std::string english = EnglishCategoryLabel(category);
  const std::string name = CategoryName(category);
  if (english.compare(0, name.size(), name) == 0 &&
      english.find_first_not_of(" _", name.size()) == std::string::npos)
    return english;
  const int end = screen_.TextWidth(FontId::Sheet, english);
  std::string label = name + " ";
  while (screen_.TextWidth(FontId::Sheet, label + "_") <= end) label += '_';
  return label;
}

}  // namespace ossaric
