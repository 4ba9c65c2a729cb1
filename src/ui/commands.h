// The menu commands, as the host's menus send them to the window's event table.
#pragma once

#include <memory>
#include <span>

#include "game/game.h"

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
  kCmdClassicComputer = 142,  // the first opponent; opponent k is kCmdClassicComputer + k
  kCmdExpertComputer = 143,
  // The language: as the desktop's, or catalogue k of GameLanguages() as kCmdFirstLanguage + k.
  kCmdDesktopLanguage = 160,
  kCmdFirstLanguage = 161,
};

// The computer opponents a player can choose, in menu order, the first the default: each its
// menu word (in the "Menu" context) and how it is made (ui/yacht_window.cpp).
struct TOpponent {
  const char* menuWord;
  std::unique_ptr<TComputerSeat> (*make)(TYachtGame& game);
};
std::span<const TOpponent> Opponents();

}  // namespace ossaric

namespace ossaric {

// The keys that move the keyboard focus and press what it rests on; the characters they may
// also type reach the window as characters too.
enum class GameKey {
  Tab,
  BackTab,
  Left,
  Right,
  Up,
  Down,
  Home,  // the first of the focus's group
  End,   // the last of the focus's group
  Space,
  Return,
  Escape,
  Throw,
  Die1,  // the keys 1 to 5 press dice 1 to 5
  Die2,
  Die3,
  Die4,
  Die5,
};

}  // namespace ossaric
