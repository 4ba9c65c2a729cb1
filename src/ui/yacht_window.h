// TYachtWindow: the main window of the game. It owns the whole game state as plain fields, the
// pictures, buffers, fonts and cursors, the sound-effect buffers, the tip texts and the Top Ten
// table. Its operations are spread over the modules that own them:
//   game/    state, scoring, patterns, turn flow, press decoding
//   ai/      the computer player
//   ui/      painting, animation, score sheet, setup screen, panels, keyboard, event table
//   persist/ settings file and Top Ten
//   audio/   effects and music
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "game/records.h"
#include "platform/bitmap.h"
#include "platform/host.h"
#include "platform/places.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/surface.h"

namespace ossaric {

class TYachtWindow {
 public:
  // Builds the window's state and resources from the files in `places` (by default all in the
  // current directory). The host and sound device must outlive the window.
  TYachtWindow(Host& host, SoundDevice& sound, Random& random, GamePlaces places = {});
  ~TYachtWindow();
  TYachtWindow(const TYachtWindow&) = delete;
  TYachtWindow& operator=(const TYachtWindow&) = delete;

  // ---- The event table: every window message and menu command enters here ----
  void EvLeftButtonDown(int x, int y) { HandleClick(x, y); }
  void EvMouseMove(int x, int y) { UpdateCursor(x, y); }
  void EvPaint() { PaintScreen(); }
  void EvChar(int ch);
  void EvTimer(int id);
  void EvActivate() {}
  void EvCommand(int id);
  void EvMusicNotice() { AdvancePlaylist(); }
  void EvClose() { CloseDown(); }

  Surface& Screen() { return screen_; }
  Host& GetHost() { return host_; }
  bool Closed() const { return closed_; }

  // ==== Game state (the fields of the game, in their order) ====
  int FirstPaint = 1;
  std::array<uint8_t, 52> SettingsRecord{};
  int AnimDelay = 25;
  int SetupShown = 0;
  int NameEditing = 0;
  int CaretPhase = 0;
  int CaretTimerOn = 0;
  int CaretX = 355, CaretY = 282;
  int NameEndX[5] = {0, 355, 462, 355, 462};
  int NameEndY[5] = {0, 282, 280, 308, 308};
  char PlayerName[5][9] = {};
  int TotalsPlayer = 0;
  uint8_t TotalsShown = 0;
  uint8_t TopTenShown = 0;
  uint8_t HintsShown = 0;
  int HintIndex = 0;
  uint8_t UndoScore = 0;
  uint8_t UndoReturn = 0;
  int EditedName = 0;
  int NameCursor[5] = {-1, -1, -1, -1, -1};
  int MusicOn = 1;
  int NextPlayerPending = 0;
  int GameActive = 0;
  int PlayerCount = 1;
  int CurrentPlayer = 1;
  TScoreColumn Sheet[5];
  int DiceInCup = 5;
  int ToThrow[11] = {};
  int SelectedDie = 0;
  int ThrowsMade = 0;
  int SavedThrows = 0;
  int ComputerDone = 0;
  int ComputerBusy = 0;
  int ThrowLimit = 3;
  int ScoreAllowed = 0;
  int LastCategory = 0;
  int SoundOn = 1;
  TDie Die[11];
  TTableSlot TableSlot[21];

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

  // ==== Audio ====
  uint8_t MusicRestart = 1;
  std::vector<std::string> MusicFiles;  // the running search: paths in listing order
  size_t MusicSearchNext = 0;
  bool MusicSearchRunning = false;
  uint32_t MusicDevice = 0;
  std::string MusicFileName;
  std::array<std::vector<uint8_t>, kEffectCount> EffectBuffer;
  std::array<bool, kEffectCount> EffectPlayable{};  // a sound RIFF WAVE image was read

  // ==== Pictures, buffers, palette ====
  Bitmap Background, DieImage, DieMask, CupImage, CupMask, NextPlayerImage, SetupImage, TickImage,
      BoxImage, GreyBoxImage, DotLarge, DotMedium, DotSmall, NameBoxImage, GreyNameBoxImage;
  Offscreen DieUnder[11];
  Offscreen SlotUnder[21];
  Offscreen CupUnder;
  std::array<Rgb, 256> SharedPalette{};
  std::array<uint8_t, 256> SharedPaletteFlags{};  // kPaletteNoCollapse or kPaletteReserved
  static constexpr uint8_t kPaletteReserved = 0x01;
  static constexpr uint8_t kPaletteNoCollapse = 0x04;

  // ---- game/state.cpp ----
  void ResetGame(bool repaint);
  bool GameUnfinished() const;
  void SetDefaultNames();

  // ---- game/scoring.cpp ----
  void ScoreBexil();
  void ScoreLargeStraight();
  void ScoreSmallStraight();
  void ScoreFourOfAKind();
  void ScoreFullHouse();
  void ScoreSixes();
  void ScoreFives();
  void ScoreFours();
  void ScoreThrees();
  void ScoreTwos();
  void ScoreOnes();
  void ScoreChoice();
  void ScoreCategory(int category);  // the scorer of category 1..12
  void WriteScore(int points, int y);

  // ---- game/patterns.cpp ----
  bool IsAllAlike();
  bool MarkFourAlike();
  bool IsLargeStraight();
  bool MarkSmallStraight();
  bool MarkFullHouse();
  bool MarkThreeAlike();
  bool MarkTwoPairs();
  bool MarkPair();
  int& PairFace(int n) { return n == 1 ? Die[1].Work1 : Die[1].Work2; }

  // ---- game/flow.cpp ----
  void ThrowDice();
  void ReturnDieToCup();
  void PutCupDiceBack();
  void PrepareNextTurn();
  void NextPlayer();
  void BeginGame();
  void RestartGame();
  void NewGame();
  void Undo();

  // ---- game/click.cpp ----
  void HandleClick(int x, int y);
  void ChoosePlayerCount(int n);
  void SelectNameField(int n);
  void ToggleHints();
  void StartFromSetup();
  // What a press at (x, y) would write now, as "Full House: 17"; empty where a press would write
  // nothing (a full row, no throw to score, a panel or the computer at play).
  std::string ScorePreview(int x, int y) const;

  // ---- ai/keep.cpp ----
  void PlayComputerTurn();
  void ReturnUnkeptDice();
  void DecideKeep();  // the pattern of a first or second throw picks the keep decider
  void KeepForAllAlike();
  void KeepForFourAlike();
  void KeepForLargeStraight();
  void KeepForSmallStraight();
  void KeepForFullHouse();
  void KeepForThreeAlike();
  void KeepForTwoPairs();
  void KeepForPair();
  void KeepForNothing();
  void HoldOnlyFace(int face);
  bool ChaseOpenNumber();  // false when no number category is open (nothing done)
  void TrimForLargeStraight();
  void TrimForSmallStraight();
  void ChaseChoice();
  void ChaseStraight(int category);  // trims the hold set for that straight, returns the rest
  bool ComputerOpen(int category) const;   // the computer's entry is still empty
  void ComputerWrites(int category);       // a keep decider writes and ends the turn
  int ComputerOpenCount() const;
  void FinishComputerTurnWithoutScore();   // only a corrupted state gets here

  // ---- ai/choose.cpp ----
  void ChooseComputerCategory();
  void ChooseForAllAlike();
  void ChooseForFourAlike();
  void ChooseForLargeStraight();
  void ChooseForSmallStraight();
  void ChooseForFullHouse();
  void ChooseForThreeAlike();
  void ChooseForTwoPairs();
  void ChooseForPair();
  void ChooseForNothing();
  bool WriteIfOpen(int category);                        // a chooser's step
  void WriteFirstOpen(std::initializer_list<int> list);  // a chooser's list

  // ---- ui/paint.cpp ----
  void LoadPictures();
  void BuildSharedPalette();
  void PaintScreen();
  void UpdateCursor(int x, int y);
  void DrawMasked(const Bitmap& picture, const Bitmap& mask, int x, int y);
  void DrawCupAtHome();
  void DrawCategoryLabels();
  Rgb PaletteInk(Rgb colour) const;  // the nearest colour of SharedPalette

  // ---- ui/animation.cpp ----
  void Delay(int ms);
  void DrawPips(int face, int x, int y);
  void DrawDieSprite(int i, int face, int x, int y);
  void AnimateCupShake();
  void AnimateDieFlight(int i);
  void SettleCup();
  void AnimateDieToCup(int i);
  void DrawDieAtPlace(int i);
  void DrawTableDice();
  void DrawThrowDots();
  void DrawNextPlayerButton();

  // ---- ui/sheet.cpp ----
  void DrawScoreColumn(bool erase);
  void DrawTotalLine(bool erase);
  void DrawNewScore(int points, int y);  // the newest score, in its own ink

  // ---- ui/setup_screen.cpp ----
  void ShowSetupScreen();
  void DrawRollsRow();
  void DrawPlayersRow();
  void DrawPlayerNames();
  void DrawHintsBox(bool ticked);
  void AnimateChoiceDot(int mode, int bx, int by);
  void BlinkNameCaret();

  // ---- ui/panels.cpp ----
  void FillHints();
  void ShowCurrentTotals();
  void DrawTotals();
  void DrawHints();
  void RestorePanelRect();

  // ---- ui/keyboard.cpp ----
  void Faster();
  void Slower();
  void HandleChar(int ch);
  void EditName(int ch);
  void HiddenKey(int ch);
  void FillScrambledTexts();
  void ShowAbout();
  void OpenHelp();

  // ---- ui/yacht_window.cpp ----
  void CloseDown();

  // ---- persist/settings.cpp ----
  bool ReadSettings();
  void WriteSettings();
  void ChooseOpening();

  // ---- persist/topten.cpp ----
  void LocateTopTenFile();
  void LoadTopTen();
  void SaveTopTen();
  void AnnounceGameOver();
  void RankPlayers();
  void ShowTopTen(bool enter);
  void TopTenCommand();
  void ClearTopTen();
  void DrawTopTen();

  // ---- audio/effects.cpp ----
  void LoadEffects();
  void PlayEffect(Effect e, bool wait);
  void StopEffects();
  void ReleaseEffects();
  static const char* EffectFileName(int e);  // "" outside 0..6
  static size_t EffectBufferBytes(int e);    // 0 outside 0..6
  // ---- audio/playlist.cpp (helpers) ----
  void StartMusicSearch();
  std::string NextMusicFile();  // "" when the running search has no further match

  // ---- audio/playlist.cpp ----
  void AdvancePlaylist();
  void ReportMciError(int code);
  void SetMusicOn();
  void SetMusicOff();
  void SetSoundOn();
  void SetSoundOff();
  void SetAudioCheckMarks();

 private:
  Host& host_;
  SoundDevice& sound_;
  Random& random_;
  Surface screen_;
  bool closed_ = false;
  // When the last pause ended: the next one, begun less than a pause later, ends one pause
  // after it, so the drawing between steps does not stretch an animation.
  int32_t pauseEnd_ = 0;
  bool pauseEndSet_ = false;
};

// Colours of the scene.
inline constexpr Rgb LabelInk = MakeRgb(58, 25, 47);
inline constexpr Rgb ScoreInk = MakeRgb(108, 47, 66);
inline constexpr Rgb NewScoreInk = MakeRgb(170, 138, 129);
inline constexpr Rgb SetupInk = MakeRgb(127, 86, 74);
inline constexpr Rgb GreyInk = MakeRgb(206, 198, 189);
inline constexpr Rgb PipInk = MakeRgb(103, 37, 33);
inline constexpr Rgb DotDark = MakeRgb(61, 26, 20);
inline constexpr Rgb DotLit = MakeRgb(192, 192, 192);
inline constexpr Rgb Parchment = MakeRgb(255, 251, 240);

}  // namespace ossaric
