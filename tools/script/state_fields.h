// The game state by the names scripts use: `state` prints every field under its name and `set`
// takes the same names ("Sheet[0].Entry[5]", "PlayerName[2]"); `hint` prints the best move.
#pragma once

#include <cstdint>
#include <string>

#include "window_probe.h"

namespace ossaric {

// Sets one state field by its name ("Sheet[0].Entry[5]", "PlayerName[2]"); false when unknown.
bool SetStateField(TWindowProbe w, const std::string& name, const std::string& value);
// The best move now, as the hint gives it, as one JSON object body: the column, the best action,
// the best throw and every write with their expected final totals; "available":false when no
// hint is to be had.
std::string HintJson(TWindowProbe w);
// Every field of the game state as one JSON object body (no braces).
std::string StateJson(TWindowProbe w, uint32_t clock);

}  // namespace ossaric
