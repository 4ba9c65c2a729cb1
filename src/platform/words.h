// The texts a player reads, in the desktop's language: each English text is looked up in the
// translation catalogue under its context, "%1".."%9" are filled in, and numbers are written as
// the language writes them. Sources mark their texts with QT_TRANSLATE_NOOP so that the catalogue
// tools find them; the English text stands when the catalogue has none. The layers below the
// window (files, sound) word their texts here too, without a Qt header of their own.
#pragma once

#include <initializer_list>
#include <string>

// The same marker Qt defines (qglobal.h), for the layers that include no Qt header.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace ossaric {

// `english` of `context` translated, as UTF-8, with %1, %2, ... replaced by `args` byte for
// byte (a file name that is not UTF-8 is kept as the system spells it).
std::string Words(const char* context, const char* english,
                  std::initializer_list<std::string> args = {});
// A number with `decimals` digits after the point, as the language writes it.
std::string Decimal(double value, int decimals);

}  // namespace ossaric
