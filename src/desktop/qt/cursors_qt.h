// The game's cursors as Qt cursors: the program's own pictures with their hot spots where the
// build provides them, Qt's standard shapes otherwise.
#pragma once

#include <QCursor>

#include "platform/host.h"

namespace ossaric {

const QCursor& GameCursor(CursorId id);

}  // namespace ossaric
