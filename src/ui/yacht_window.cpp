// Construction, the event table and the orderly close of the main window.
#include "ui/yacht_window.h"

#include <ctime>
#include <utility>

namespace ossaric {

namespace {

// The twenty landing places on the table; none overlaps another or the cup.
constexpr int kPlaces[21][2] = {
    {0, 0},    {25, 25},   {80, 21},   {155, 29},  {220, 17},  {30, 90},   {95, 76},
    {150, 89}, {210, 87},  {20, 150},  {80, 146},  {145, 164}, {200, 147}, {20, 224},
    {95, 206}, {155, 224}, {230, 207}, {155, 285}, {210, 301}, {150, 344}, {225, 360}};

}  // namespace

TYachtWindow::TYachtWindow(Host& host, SoundDevice& sound, Random& random, GamePlaces places)
    : Places(std::move(places)), host_(host), sound_(sound), random_(random) {
  // The frame and the music device come from the host, built before the window.
  // Initial values of the game state (the rest are the fields' own initialisers).
  for (int k = 1; k <= 20; ++k) {
    TableSlot[k].X = kPlaces[k][0];
    TableSlot[k].Y = kPlaces[k][1];
    TableSlot[k].Occupied = 0;
  }
  for (int i = 1; i <= 10; ++i) ToThrow[i] = 1;
  // The host places the window at the screen's top-left with a 632 x 434 client area.
  random_.Seed(static_cast<uint32_t>(std::time(nullptr)));
  // The three fonts live in the surface, made with it.
  LocateTopTenFile();
  LoadTopTen();
  KeyTrailLength = 0;
  FillScrambledTexts();
  // The four cursors are the host's, loaded from the program's resources.
  LoadPictures();
  SetDefaultNames();
  LoadEffects();
  FillHints();
  ChooseOpening();
}

TYachtWindow::~TYachtWindow() = default;

void TYachtWindow::EvChar(int ch) {
  if (closed_) return;
  HandleChar(ch);
}

void TYachtWindow::EvTimer(int id) {
  if (closed_) return;
  if (id == 1) BlinkNameCaret();
}

void TYachtWindow::EvCommand(int id) {
  if (closed_) return;
  switch (id) {
    case kCmdRestartGame:
      RestartGame();
      break;
    case kCmdNewGame:
      NewGame();
      break;
    case kCmdUndo:
      Undo();
      break;
    case kCmdFaster:
      Faster();
      break;
    case kCmdSlower:
      Slower();
      break;
    case kCmdMusicOn:
      SetMusicOn();
      break;
    case kCmdMusicOff:
      SetMusicOff();
      break;
    case kCmdSoundOn:
      SetSoundOn();
      break;
    case kCmdSoundOff:
      SetSoundOff();
      break;
    case kCmdCurrentTotals:
      ShowCurrentTotals();
      break;
    case kCmdTopTen:
      TopTenCommand();
      break;
    case kCmdClearTopTen:
      ClearTopTen();
      break;
    case kCmdQuit:
      CloseDown();
      break;
    case kCmdHelp:
      OpenHelp();
      break;
    case kCmdAbout:
      ShowAbout();
      break;
    default:
      break;
  }
}

void TYachtWindow::CloseDown() {
  if (closed_) return;
  closed_ = true;
  WriteSettings();
  sound_.MidiCloseAll();
  // Fonts, pictures, buffers and cursors are released with the window and its host.
  host_.CloseHelp();
  StopEffects();
  ReleaseEffects();
}

}  // namespace ossaric
