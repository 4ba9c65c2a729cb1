// What a player can press: the cup, a die on the table, a row of the score sheet, the buttons of
// the panels and the choices of the setup screen. The mouse, the keyboard and a screen reader
// all press these same targets; only the mouse finds them by pixel (game/geometry.h for the
// board, ui/targets.cpp for the rest).
#pragma once

namespace ossaric {

enum class TargetKind {
  None,
  Cup,  // throws; while the cup waits to be handed on it carries the Next Player button
  Die,  // index: die 1..5
  Row,  // index: category 1..12
  TotalsReturn,
  TotalsNext,  // the Current Totals panel's "Next Player"
  TopTenReturn,
  HintsReturn,
  HintsNext,
  Players,    // index: the player count 0..4 (0: against the computer)
  NameField,  // index: player 1..4
  HintsSwitch,
  Start,
  Total,  // index: the column whose total line is shown; the keyboard reads it, a press does
          // nothing
};

struct Target {
  TargetKind kind = TargetKind::None;
  int index = 0;
  bool operator==(const Target&) const = default;
};

}  // namespace ossaric
