// What a screen reader may learn of the scene, read-only: which screen is up, its targets in
// focus order with their places, the keyboard focus, and what was last told of the play. The
// words are the front end's; this holds only kinds and numbers.
#pragma once

#include <vector>

#include "game/state.h"
#include "game/target.h"
#include "ui/window_state.h"

namespace ossaric {

enum class SceneScreen { Board, Setup, Totals, TopTen, Hints };

// One piece of the play told in words as it happens.
struct TTold {
  enum Kind { None, Throw, Score } kind = None;
  int player = 0;           // 0 = the computer, 1..4
  std::vector<int> kept;    // faces left on the table before a throw, in dice order
  std::vector<int> thrown;  // faces the throw brought, in dice order
  int category = 0;         // the row written
  int points = 0;
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
};

}  // namespace ossaric
