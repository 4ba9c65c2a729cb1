// Where the board's pieces lie in the window's client area, in pixels: the cup's home, the
// score sheet's rows and the size of a die. The landing places are the state's own (TableSlot).
#pragma once

namespace ossaric {

// The cup stands with its top-left at (30, 274) and is 100 x 150; a press anywhere in that box,
// edges included, is a press on the cup.
inline constexpr int kCupX = 30, kCupY = 274, kCupWidth = 100, kCupHeight = 150;
// The sheet takes presses across x 335..620; row k is 20 pixels high from RowTop(k)
// (game/records.h), with four pixels between rows that take nothing.
inline constexpr int kSheetLeft = 335, kSheetRight = 620, kRowHeight = 20;
// A die picture is 50 x 50; a press on its right or bottom edge pixel still hits it.
inline constexpr int kDieSize = 50;

}  // namespace ossaric
