// TYachtWindow: the main window. It owns the game model and the computer's seat, the effects and
// the playlist, its own records (panels, choices, texts, Top Ten) and pictures, and shows what
// the game shows (TGameShow). The event table below is the host's one way in.
#pragma once

#include <string>
#include <vector>

#include "ai/computer.h"
#include "ai/expert.h"
#include "ai/review.h"
#include "audio/effects.h"
#include "audio/playlist.h"
#include "game/game.h"
#include "game/geometry.h"
#include "game/records.h"
#include "platform/bitmap.h"
#include "platform/choices.h"
#include "platform/game_places.h"
#include "platform/host.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "ui/commands.h"
#include "ui/scene_view.h"
#include "ui/window_state.h"

namespace ossaric {

class TYachtWindow : public TGameShow,
                     public TComputerSeat,
                     public TSceneView,
                     private TWindowState,
                     private TPictures {
 public:
  // Builds the window's state and resources from the files in `places` (by default all in the
  // current directory). The host and sound device must outlive the window.
  TYachtWindow(Host& host, SoundDevice& sound, Random& random, GamePlaces places = {});
  ~TYachtWindow();
  TYachtWindow(const TYachtWindow&) = delete;
  TYachtWindow& operator=(const TYachtWindow&) = delete;

  // ---- The event table: every window message and menu command enters here ----
  void EvLeftButtonDown(int x, int y);
  void EvMouseMove(int x, int y) { UpdateCursor(x, y); }
  void EvPaint();
  void EvChar(int ch);
  void EvKey(GameKey key);  // ui/focus.cpp
  // A press on a target by a screen reader's action: like a mouse press on it.
  void EvPress(Target target);
  void EvTimer(int id);
  void EvActivate() {}
  void EvCommand(int id);
  void EvMusicNotice() { AdvancePlaylist(); }
  void EvClose() { CloseDown(); }

  // ---- What the host reads ----
  Surface& Screen() { return screen_; }
  bool Closed() const { return closed_; }
  // What a press at (x, y) would write now, as "Full House: 17"; empty where a press would write
  // nothing (a full row, no throw to score, a panel or the computer at play).
  std::string ScorePreview(int x, int y) const;  // ui/click.cpp

 private:
  // The scenario runner, the tests and the benchmarks read and set the records by name, and
  // call single drawing steps, through this one friend (tools/script/window_probe.h).
  friend class TWindowProbe;

  // ---- ui/click.cpp ----
  void HandleClick(int x, int y);
  void EndNameEditing();
  void RestoreEmptyName();
  void ChoosePlayerCount(int n);
  void SelectNameField(int n);
  void ToggleHints();
  void StartFromSetup();

  // ---- ui/targets.cpp ----
  // The target a client pixel shows on the screen that is up; none where a press does nothing.
  Target TargetAt(int x, int y) const;
  Target BoardTargetAt(int x, int y) const;  // a row, the cup or a die on the table
  // Whether the screen that is up takes a press on `target` (a hidden name field does not).
  bool TakesPress(Target target) const;
  // A press on a target, by mouse, key or screen reader: nothing while the computer plays.
  void Press(Target target);
  TBox TargetBox(Target target) const override;
  TBox WidenToWords(TBox box, int x, const char* words) const;

  // ---- ui/focus.cpp: keyboard focus, and what a screen reader reads ----
  SceneScreen ShownScreen() const override;
  std::vector<Target> Targets(std::vector<int>* groupStarts = nullptr) const override;
  Target Focus() const override;
  bool FocusShown() const override { return focusShown_; }
  const TGameState& GameState() const override { return game_; }
  const TWindowState& WindowState() const override { return *this; }
  int WouldScore(int category) const override;
  const TTold& LastTold() const override { return told_; }
  std::vector<TTold> ToldSince(int serial) const override;
  Target DefaultFocus() const;
  void MoveFocus(Target target);
  void RefreshFocus();
  void HideFocusRing();

  // ---- ui/told.cpp ----
  void TellThrowBegins();
  void TellDieLanded(int i);
  void TellThrowEnds();
  void TellScore(int points, int y);
  void TellDieToCup(int i);
  void TellUndo(const TGameState& before);
  void TellHandover();
  void TellGameOver();
  void TellTopTenCleared();
  void Tell(TTold told);

  // ---- ui/show.cpp: what the game shows ----
  void ShowNotice(Notice notice) override;
  void PlaySound(GameSound sound, bool wait) override;
  void StopSounds() override;
  void PauseAfterPen() override;
  void ShowPointer(GamePointer pointer) override;
  void Repaint() override;
  void ClearCupAtHome() override;
  // The computer's seat: player input is closed while it plays.
  void PlayComputerTurn() override;

  // ---- ui/paint.cpp ----
  void LoadPictures();
  void BuildSharedPalette();
  void PaintScreen();
  void UpdateCursor(int x, int y);
  void DrawMasked(const Bitmap& picture, const Bitmap& mask, int x, int y);
  void DrawCupAtHome() override;
  void DrawCategoryLabels();
  Rgb PaletteInk(Rgb colour) const;  // the nearest colour of SharedPalette

  // ---- ui/animation.cpp ----
  void Delay(int ms) override;
  void DrawPips(int face, int x, int y);
  void DrawDieSprite(int i, int face, int x, int y);
  void AnimateCupShake() override;
  void AnimateDieFlight(int i) override;
  void SettleCup() override;
  void AnimateDieToCup(int i) override;
  void DrawDieAtPlace(int i) override;
  void DrawTableDice();
  void DrawThrowDots() override;
  void DrawNextPlayerButton() override;
  void DrawNextPlayerPicture();

  // ---- ui/sheet.cpp ----
  void DrawScoreColumn(bool erase) override;
  void DrawTotalLine(bool erase) override;
  void DrawNewScore(int points, int y) override;  // the newest score, in its own ink

  // ---- ui/setup_screen.cpp ----
  void ShowSetupScreen();  // brings the setup screen up
  void DrawSetupScreen();
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
  void DrawTotalsHeading(std::string name);
  // A line of a panel's text (not of its buttons) that begins at x, drawn there; mirrored
  // across the panel, so that it ends where it would begin, in a language written right to left.
  void DrawPanelText(FontId font, int x, int y, const std::string& text);
  void DrawHints();
  // A tip's line broken into lines that fit the tips panel.
  std::vector<std::string> WrapTipLine(const std::string& line) const;
  // The computer's column's name as the player reads it.
  static std::string ComputerName();
  // A picture with words in it, in the player's language where the game has one.
  static Bitmap LoadWordedBitmap(const std::string& name, int width, int height);
  // Row `category`'s label on the score sheet, leader and all.
  std::string CategoryLabel(int category) const;
  void RestorePanelRect();

  // ---- ui/keyboard.cpp ----
  void Faster();
  void Slower();
  void HandleChar(int ch);
  void EditName(int ch);
  void DrawNameField(int d);
  void HiddenKey(int ch);
  void FillScrambledTexts();
  void ShowAbout();
  void OpenHelp();

  // ---- ui/yacht_window.cpp ----
  void RestartGame();
  void NewGame();
  void Undo();  // the menu's Undo: nothing while a panel is shown
  void CloseDown();
  void SetDefaultNames();

  // ---- ui/settings.cpp ----
  bool ReadSettings();
  void WriteSettings();
  void ChooseOpening();

  // ---- ui/topten_panel.cpp ----
  void LocateTopTenFile();
  void LoadTopTen();
  void SaveTopTen();
  void AnnounceGameOver() override;
  void ShowTopTen(bool enter);
  void TopTenCommand();
  void ClearTopTen();
  void DrawTopTen();

  // ---- ui/advice.cpp: the hint, the best move now ----
  // The column whose player may ask now and its best move; false when no hint is to be had
  // (the computer at play, a panel or the setup screen shown, no game).
  bool BestMove(int& column, ai::TAdvice& advice) const;
  std::string AdviceWords(const ai::TAdvice& advice) const;
  std::string NoBestMoveWords() const;
  void ShowBestMove();
  void ClearAdviceMarks();  // the board as it was before the hint marked it
  void MarkRect(int left, int top, int right, int bottom, Rgb colour);

  // ---- ui/review.cpp ----
  std::string ReviewWords() const;
  void ShowReview();

  // ---- ui/yacht_window.cpp: the computer opponent, kept in ossaric.conf ----
  void ChooseOpponent(size_t k, bool save = true);
  // Says once a run that a choice could not be saved: `sentence` (UTF-8) has the file for %1
  // and the reason for %2.
  void TellChoiceProblem(const std::string& sentence, const ChoicesProblem& problem);
  // ---- the language, kept in ossaric.conf ----
  void SetLanguage(const std::string& language);
  void CheckLanguage();

  // ---- ui/audio_menu.cpp ----
  void PlayEffect(Effect e, bool wait);  // nothing once the window is closed
  void AdvancePlaylist();
  void ReportMciError(int code);
  void SetMusicOn();
  void SetMusicOff();
  void SetSoundOn();
  void SetSoundOff();
  void SetAudioCheckMarks();

  // The totals panel starts again at player 1 (at the computer when it plays alone).
  void ResetTotalsPlayer();

  Host& host_;
  SoundDevice& sound_;
  Random& random_;
  Surface screen_;
  TYachtGame game_;
  std::vector<std::unique_ptr<TComputerSeat>> opponents_;  // as Opponents() lists them
  size_t opponent_ = 0;
  TGameReview review_;
  ChoicesFile choices_;
  bool choiceProblemTold_ = false;  // a choice that could not be saved is told once a run
  struct AdviceMark {
    int x = 0, y = 0;
    Offscreen under;
  };
  std::vector<AdviceMark> adviceMarks_;
  TEffects effects_;
  TPlaylist playlist_;
  bool closed_ = false;
  Target focus_{TargetKind::Cup, 0};
  bool focusShown_ = false;
  TTold told_;
  std::vector<TTold> recentTold_;  // the last pieces told, oldest first
  TTold telling_;                  // the throw being made
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
