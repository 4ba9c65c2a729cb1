// The menu commands, as the host's menus send them to the window's event table.
#pragma once

namespace ossaric {

// Menu command identifiers.
enum Command {
  kCmdMusicOn = 4,
  kCmdMusicOff = 5,
  kCmdRestartGame = 101,
  kCmdNewGame = 102,
  kCmdCurrentTotals = 103,
  kCmdTopTen = 104,
  kCmdClearTopTen = 105,
  kCmdUndo = 106,
  kCmdFaster = 107,
  kCmdSlower = 108,
  kCmdQuit = 126,
  kCmdHelp = 127,
  kCmdSoundOn = 132,
  kCmdSoundOff = 133,
  kCmdAbout = 134,
  // Beyond the game's own menu: the hint, the review of the last game, the computer's strength.
  kCmdHint = 140,
  kCmdReview = 141,
  kCmdClassicComputer = 142,
  kCmdExpertComputer = 143,
};

}  // namespace ossaric

namespace ossaric {

// The keys that move the keyboard focus and press what it rests on; the characters they may
// also type reach the window as characters too.
enum class GameKey { Tab, BackTab, Left, Right, Up, Down, Space, Return, Escape, Throw };

}  // namespace ossaric
