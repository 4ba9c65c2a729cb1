#include "platform/host.h"

#include "platform/user_dirs.h"

namespace ossaric {

const char* CursorName(CursorId id) {
  switch (id) {
    case CursorId::Arrow:
      return "arrow";
    case CursorId::Wait:
      return "wait";
    case CursorId::Pen:
      return "PenCursor";
    case CursorId::Hand:
      return "HandCursor";
    case CursorId::Roll:
      return "RollCursor";
    case CursorId::Next:
      return "NextCursor";
  }
  return "arrow";
}

// ${XDG_DATA_HOME:-~/.local/share}/ossaric, as the desktop's conventions give it, spelled as
// the system spells it.
bool Host::UserDataDirectory(std::string& dir) {
  const std::string base = UserDataHome();
  if (base.empty()) return false;
  dir = CleanPath(base + "/ossaric");
  return true;
}

}  // namespace ossaric
