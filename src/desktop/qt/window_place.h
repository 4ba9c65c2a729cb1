// The main window's place, size and maximised state, kept from one run to the next in
// ossaric.conf beside the game's other choices ("[Window]": x, y, width, height, maximized, as
// plain numbers). The rectangle is the window's normal one (as it was before it was maximised)
// without the window manager's frame: the client area with the menu bar, in screen pixels; it
// is read back the same way, so a frame never moves the window a little further at each start.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <optional>
#include <string>

#include "platform/choices.h"

namespace ossaric {

// What ossaric.conf holds; a key that is missing or no whole number is empty.
struct KeptPlace {
  std::optional<int> x, y, width, height, maximized;
};

KeptPlace ReadKeptPlace(const ChoicesFile& file);
// Saves all five keys in one write; false when the file could not be written.
bool WriteKeptPlace(ChoicesFile& file, const QRect& normal, bool maximized);

// Where the window opens: the kept rectangle, at least `minimum` and at most the screen it is on,
// when enough of its top strip (where the window is taken to be moved) lies on one of `screens`
// (their available areas); nothing when it lies on none of them, or when a value is missing or
// absurd, and the window then opens as it does without kept values.
std::optional<QRect> OpeningPlace(const KeptPlace& kept, const QList<QRect>& screens,
                                  QSize minimum);

// Whether the window opens maximised.
inline bool OpensMaximized(const KeptPlace& kept) {
  return kept.maximized == 1;
}

}  // namespace ossaric
