// The game model: the state record and the operations of the rules on it. What the rules show
// goes through TGameShow; when the cup reaches the computer its seat plays the turn.
#pragma once

#include <string>

#include "game/show.h"
#include "game/state.h"
#include "game/target.h"
#include "platform/random.h"

namespace ossaric {

class TYachtGame : public TGameState {
 public:
  TYachtGame(TGameShow& show, Random& random) : show_(show), random_(random) {}
  TYachtGame(const TYachtGame&) = delete;
  TYachtGame& operator=(const TYachtGame&) = delete;

  void SetComputer(TComputerSeat* seat) { computer_ = seat; }
  // The program ends: the computer's turn stops at its next step, its dice as they lie.
  void StopTurn() { turnStopped_ = true; }
  bool TurnStopped() const { return turnStopped_; }
  void SetWatcher(TPlayWatcher* watcher) { watcher_ = watcher; }
  TGameShow& Show() { return show_; }

  // ---- game/state.cpp ----
  void ResetGame(bool repaint);
  bool GameUnfinished() const;

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
  void StartFromSetup();  // the setup screen's Start: a fresh game, dice in the cup
  void Undo();
  // The end of any computer's turn: the arrow again, and nothing of it for Undo to take back.
  void EndComputerTurn();

  // ---- game/board.cpp ----
  // A press on the board while no panel is shown, by whatever means.
  void PressBoard(Target target);
  void PressCup();
  void PressDie(int i);
  // The points a press on row `category` would write now; -1 where it would write nothing (a
  // full row, no throw to score, the computer at play).
  int WouldScore(int category) const;

 private:
  TGameShow& show_;
  Random& random_;
  TComputerSeat* computer_ = nullptr;
  bool turnStopped_ = false;
  TPlayWatcher* watcher_ = nullptr;
};

}  // namespace ossaric
