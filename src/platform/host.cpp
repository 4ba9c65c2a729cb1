#include "platform/host.h"

#include <cstdlib>

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

bool Host::UserDataDirectory(std::string& dir) {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') {
    dir = std::string(xdg) + "/ossaric";
    return true;
  }
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0') return false;
  dir = std::string(home) + "/.local/share/ossaric";
  return true;
}

}  // namespace ossaric
