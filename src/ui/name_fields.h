// Where the four player-name fields lie on the setup screen: the top-left of each 82 x 24 field;
// a name is written 3 pixels in from its field's corner.
#pragma once

namespace ossaric {

inline constexpr int kNameFieldX[5] = {0, 352, 459, 352, 459};
inline constexpr int kNameFieldY[5] = {0, 277, 277, 305, 305};
inline constexpr int kNameInset = 3;

}  // namespace ossaric
