// The texts a player reads, in the desktop's language: each English text is looked up in the
// translation catalogue under its context, "%1".."%9" are filled in, and numbers are written as
// the language writes them. Sources mark their texts with QT_TRANSLATE_NOOP so that the catalogue
// tools find them; the English text stands when the catalogue has none.
#pragma once

#include <initializer_list>
#include <string>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace ossaric {

std::string Words(const char* context, const char* english,
                  std::initializer_list<std::string> args = {});
// A number with `decimals` digits after the point, as the language writes it.
std::string Decimal(double value, int decimals);

}  // namespace ossaric
