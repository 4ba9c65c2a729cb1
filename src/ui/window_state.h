// The window's own records: what the panels and the setup screen show, the choices the settings
// file keeps, the shell's texts and the Top Ten; and the pictures, buffers and palette the scene
// is drawn from. The window owns one of each.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "persist/topten.h"
#include "platform/bitmap.h"
#include "platform/game_places.h"
#include "platform/surface.h"

namespace ossaric {

// The screen that is up: the table with its sheet, or what covers the scroll (the setup screen,
// the Current Totals, the Top Ten or the tips). One at a time.
enum class SceneScreen { Board, Setup, Totals, TopTen, Hints };

struct TWindowState {
  int FirstPaint = 1;
  SceneScreen ScreenUp = SceneScreen::Board;
  std::array<uint8_t, 52> SettingsRecord{};
  int AnimDelay = 25;
  int NameEditing = 0;
  int CaretPhase = 0;
  int CaretTimerOn = 0;
  int CaretX = 355, CaretY = 282;
  int NameEndX[5] = {0, 355, 462, 355, 462};
  int NameEndY[5] = {0, 282, 280, 308, 308};
  char PlayerName[5][9] = {};
  int TotalsPlayer = 0;
  int HintIndex = 0;
  int EditedName = 0;
  int NameCursor[5] = {-1, -1, -1, -1, -1};
  int MusicOn = 1;
  int SoundOn = 1;
  // ==== Where the files are ====
  GamePlaces Places;

  // ==== Shell data ====
  std::string AboutText;   // held scrambled
  std::string HiddenCode;  // held scrambled
  char KeyTrail[6] = {};
  int KeyTrailLength = 0;

  // ==== Top Ten ====
  TTopTenEntry TopTen[11];
  TTopTenEntry TopTenKnown[11];  // the file's table when this game last read or wrote it
  std::string TopTenPath;
  TPlacing Placing[5];

  // ==== Tips ====
  static constexpr int HintCount = 20;
  std::array<std::array<std::string, 5>, HintCount> HintText;  // lines 1..4
};

struct TPictures {
  Bitmap Background, DieImage, DieMask, CupImage, CupMask, NextPlayerImage, SetupImage, TickImage,
      BoxImage, GreyBoxImage, DotLarge, DotMedium, DotSmall, NameBoxImage, GreyNameBoxImage;
  Offscreen DieUnder[11];
  Offscreen SlotUnder[21];
  Offscreen CupUnder;
  std::array<Rgb, 256> SharedPalette{};
  std::array<uint8_t, 256> SharedPaletteFlags{};  // kPaletteNoCollapse or kPaletteReserved
  static constexpr uint8_t kPaletteReserved = 0x01;
  static constexpr uint8_t kPaletteNoCollapse = 0x04;
};

}  // namespace ossaric
