// TWindowProbe: the main window opened up for the scenario runner, the tests and the
// benchmarks. They set and read its records by name, look at its pictures and call single
// drawing steps; the program itself reaches the window only through its event table.
#pragma once

#include "ui/yacht_window.h"

namespace ossaric {

class TWindowProbe {
 public:
  TWindowProbe(TYachtWindow& w) : w_(w) {}  // NOLINT: a window converts to its probe
  TYachtWindow& Window() { return w_; }

  TWindowState& State() { return w_; }
  TPictures& Pictures() { return w_; }
  TYachtGame& Game() { return w_.game_; }
  TGameShow& Show() { return w_; }  // the drawing and animation steps the rules call
  TComputerPlayer& Computer() { return static_cast<TComputerPlayer&>(*w_.opponents_[0]); }
  TGameReview& Review() { return w_.review_; }
  TEffects& Effects() { return w_.effects_; }
  TPlaylist& Playlist() { return w_.playlist_; }
  const TTold& LastTold() const { return w_.told_; }
  Target Focus() const { return w_.Focus(); }
  bool FocusShown() const { return w_.FocusShown(); }

  void RestartGame() { w_.RestartGame(); }
  void StartFromSetup() { w_.StartFromSetup(); }
  void Undo() { w_.Undo(); }
  bool ExpertComputer() const { return w_.opponent_ == 1; }
  void ChooseComputer(bool expert, bool save = true) { w_.ChooseOpponent(expert ? 1 : 0, save); }
  bool BestMove(int& column, ai::TAdvice& advice) const { return w_.BestMove(column, advice); }
  void ShowBestMove() { w_.ShowBestMove(); }
  std::string ReviewWords() const { return w_.ReviewWords(); }
  void PlayEffect(Effect e, bool wait) { w_.PlayEffect(e, wait); }
  void SetMusicOff() { w_.SetMusicOff(); }
  void SaveTopTen() { w_.SaveTopTen(); }
  void ClearTopTen() { w_.ClearTopTen(); }

  void BuildSharedPalette() { w_.BuildSharedPalette(); }
  void PaintScreen() { w_.PaintScreen(); }
  void DrawMasked(const Bitmap& picture, const Bitmap& mask, int x, int y) {
    w_.DrawMasked(picture, mask, x, y);
  }
  void DrawDieSprite(int i, int face, int x, int y) { w_.DrawDieSprite(i, face, x, y); }
  void DrawTableDice() { w_.DrawTableDice(); }
  void DrawPlayerNames() { w_.DrawPlayerNames(); }
  void AnimateChoiceDot(int mode, int bx, int by) { w_.AnimateChoiceDot(mode, bx, by); }
  void DrawTotals() { w_.DrawTotals(); }
  void DrawHints() { w_.DrawHints(); }
  void DrawTopTen() { w_.DrawTopTen(); }

 private:
  TYachtWindow& w_;
};

}  // namespace ossaric
