// What the rules show: every animation, sound, pause and redraw the turn operations cause goes
// through this interface, one method per thing shown. The window implements it with its
// pictures, sounds and host; the tests record the calls. The game never reads anything back.
#pragma once

#include <string>

#include "platform/effect_list.h"

namespace ossaric {

// The sounds of the table, in the order the effect files are loaded.
#define OSSARIC_GAME_SOUND(id, file, bytes) id,
enum class GameSound { OSSARIC_EFFECTS(OSSARIC_GAME_SOUND) };
#undef OSSARIC_GAME_SOUND

// The notices a player must close before playing on; the window words them.
enum class Notice {
  StartNewPlay,    // a throw with no game under way
  ThreeRollLimit,  // a throw or a return after the last throw of the turn
  NoDiceInCup,     // a throw with every die on the table
  EndOfGame,       // a die pressed after the game has ended
};

// The pointer the turn asks for over the cup and the table.
enum class GamePointer { Roll, Next, Wait, Arrow };

class TGameShow {
 public:
  virtual ~TGameShow() = default;

  // A notice the player must close.
  virtual void ShowNotice(Notice notice) = 0;
  // A sound of the table, heard only with sound effects on; `wait` plays it to its end.
  virtual void PlaySound(GameSound sound, bool wait) = 0;
  virtual void StopSounds() = 0;
  // The pause after the pen has written a score, kept only while sound effects are on.
  virtual void PauseAfterPen() = 0;
  // A pause in the computer's play.
  virtual void Delay(int ms) = 0;
  virtual void ShowPointer(GamePointer pointer) = 0;
  // The whole scene drawn again from the state.
  virtual void Repaint() = 0;

  virtual void AnimateCupShake() = 0;
  virtual void AnimateDieFlight(int i) = 0;  // die i from the cup to its place
  virtual void SettleCup() = 0;              // the cup back home after a throw
  virtual void AnimateDieToCup(int i) = 0;   // die i from its place into the cup
  virtual void DrawDieAtPlace(int i) = 0;
  virtual void DrawCupAtHome() = 0;
  virtual void ClearCupAtHome() = 0;  // the table under the cup, then the cup
  virtual void DrawThrowDots() = 0;
  virtual void DrawNextPlayerButton() = 0;
  virtual void DrawScoreColumn(bool erase) = 0;  // the current player's column
  virtual void DrawTotalLine(bool erase) = 0;
  virtual void DrawNewScore(int points, int y) = 0;
  // The last score is written and no entry is left: the result and the Top Ten.
  virtual void AnnounceGameOver() = 0;
};

// Who follows the players' choices, as the review of a game does: told just before a throw or a
// score takes effect (the state still shows the moment it was chosen in), when a score is taken
// back, and when a game begins and ends.
class TPlayWatcher {
 public:
  virtual ~TPlayWatcher() = default;
  virtual void GameBegun() = 0;
  virtual void BeforeThrow() = 0;
  virtual void BeforeWrite(int category) = 0;
  virtual void ScoreTakenBack() = 0;
  virtual void GameOver() = 0;
};

// Who plays for the computer when the cup reaches it.
class TComputerSeat {
 public:
  virtual ~TComputerSeat() = default;
  virtual void PlayComputerTurn() = 0;
};

}  // namespace ossaric
