// What a screen reader may learn of the scene, read-only: which screen is up, its targets in
// focus order with their places, the keyboard focus, and what was last told of the play. The
// words are the front end's; this holds only kinds and numbers.
#pragma once

#include <vector>

#include "game/state.h"
#include "game/target.h"
#include "ui/window_state.h"

namespace ossaric {

// One piece of the play told in words as it happens.
struct TTold {
  enum Kind {
    None,
    Throw,       // player, kept, thrown, faces, throwNumber, throwsLeft
    Score,       // player, category, points, total
    ToCup,       // a die pressed back into the cup: die, face, inCup
    UndoScore,   // player, category, total: the entry taken back
    UndoReturn,  // inCup: how many dice came back onto the table
    Handover,    // player: whose turn the Next Player button hands the cup to
    GameOver,    // player: the winner (-1: a tie), points: the winning total
    TopTenCleared,
  } kind = None;
  int player = 0;           // 0 = the computer, 1..4
  std::vector<int> kept;    // faces left on the table before a throw, in dice order
  std::vector<int> thrown;  // faces the throw brought, in dice order
  std::vector<int> faces;   // all five faces after a throw, in dice order
  int throwNumber = 0, throwsLeft = 0;
  int category = 0;  // the row written or taken back
  int points = 0;
  int total = 0;  // the column's total after the change
  int die = 0, face = 0, inCup = 0;
  int serial = 0;  // counts up with every piece told
};

// A pixel rectangle of the scene.
struct TBox {
  int x = 0, y = 0, w = 0, h = 0;
};

class TSceneView {
 public:
  virtual ~TSceneView() = default;
  virtual SceneScreen ShownScreen() const = 0;
  // The targets of the screen that is up, in focus order, grouped; `groupStarts` gives the
  // index of each group's first target.
  virtual std::vector<Target> Targets(std::vector<int>* groupStarts = nullptr) const = 0;
  virtual TBox TargetBox(Target target) const = 0;
  virtual Target Focus() const = 0;
  virtual bool FocusShown() const = 0;
  virtual const TGameState& GameState() const = 0;
  virtual const TWindowState& WindowState() const = 0;
  // The points a press on row `category` would write now, or -1.
  virtual int WouldScore(int category) const = 0;
  virtual const TTold& LastTold() const = 0;
  // The pieces told after the one numbered `serial`, oldest first (the last few only).
  virtual std::vector<TTold> ToldSince(int serial) const = 0;
};

}  // namespace ossaric
