// The program's mouse pointers: 32 x 32 pictures with transparent parts, compiled in as
// resources, and the point of each that marks the pointer's position.
#pragma once

namespace ossaric {

struct CursorResource {
  const char* path;  // Qt resource path of the 32 x 32 ARGB picture
  int hotX, hotY;
};

// Pen hand (over the score sheet), hand with die (over the table), ROLL sheet and NEXT sheet
// (over the cup).
enum CursorNumber { kPenCursor = 0, kHandCursor = 1, kRollCursor = 2, kNextCursor = 3 };

inline constexpr CursorResource kCursorResources[4] = {
    {":/cursors/CURSOR_1.png", 4, 26},  // the pen's nib at the lower left
    {":/cursors/CURSOR_2.png", 0, 0},
    {":/cursors/CURSOR_3.png", 0, 0},
    {":/cursors/CURSOR_4.png", 0, 0},
};

inline constexpr const char* kIconResource = ":/icons/ICON_1.png";

}  // namespace ossaric
