// The seven sound effects, in the order they are loaded: identifier, file name in the game
// directory, and how many bytes of it the game reads. The game's sounds, the loader, the
// generator and its build rules are all made from this one list.
#pragma once

#define OSSARIC_EFFECTS(X)           \
  X(MoreDice, "moredice.wav", 8660)  \
  X(Rattle2, "rattle2.wav", 8192)    \
  X(Rattle1, "rattle1.wav", 9216)    \
  X(Pen, "pen.wav", 12956)           \
  X(DiceCup, "dicecup.wav", 4918)    \
  X(ManyDice, "manydice.wav", 15340) \
  X(OneDice, "onedice.wav", 7412)
