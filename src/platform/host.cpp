#include "platform/host.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

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

// ${XDG_DATA_HOME:-~/.local/share}/ossaric, as the desktop's conventions give it.
bool Host::UserDataDirectory(std::string& dir) {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (base.isEmpty()) return false;
  dir = QFile::encodeName(QDir::cleanPath(base + QStringLiteral("/ossaric"))).toStdString();
  return true;
}

}  // namespace ossaric
