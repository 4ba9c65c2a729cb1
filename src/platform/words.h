// Texts a player reads that are made below the window: why a file cannot be read or saved, why a
// music piece is left out. Each English text is marked where it is written with
// QT_TRANSLATE_NOOP(context, text), so that the translation catalogues find it, and Words() gives
// it in the player's language once a catalogue carries it, English otherwise.
#pragma once

#include <initializer_list>
#include <string>

// The same marker Qt defines (qglobal.h), for the layers that include no Qt header.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace ossaric {

// `text` of `context` translated, as UTF-8, with %1, %2, ... replaced by `args` byte for byte
// (a file name that is not UTF-8 is kept as the system spells it).
std::string Words(const char* context, const char* text,
                  std::initializer_list<std::string> args = {});

}  // namespace ossaric
