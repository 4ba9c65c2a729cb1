#include "desktop/qt/cursors_qt.h"

#include <QFile>
#include <QPixmap>
#include <map>

#include "platform/cursors.h"

namespace ossaric {

namespace {

// Qt's own shapes stand in when a picture cannot be loaded.
QCursor Fallback(CursorId id) {
  switch (id) {
    case CursorId::Pen:
      return QCursor(Qt::CrossCursor);
    case CursorId::Hand:
      return QCursor(Qt::PointingHandCursor);
    case CursorId::Roll:
      return QCursor(Qt::OpenHandCursor);
    case CursorId::Next:
      return QCursor(Qt::PointingHandCursor);
    case CursorId::Wait:
      return QCursor(Qt::WaitCursor);
    case CursorId::Arrow:
      break;
  }
  return QCursor(Qt::ArrowCursor);
}

QCursor Load(CursorId id) {
  int number = -1;
  if (id == CursorId::Pen) number = kPenCursor;
  if (id == CursorId::Hand) number = kHandCursor;
  if (id == CursorId::Roll) number = kRollCursor;
  if (id == CursorId::Next) number = kNextCursor;
  if (number < 0 || number > 3) return Fallback(id);
  const CursorResource& source = kCursorResources[number];
  const QString path = QString::fromLatin1(source.path);
  if (!QFile::exists(path)) return Fallback(id);
  const QPixmap picture(path);
  if (picture.isNull()) return Fallback(id);
  return QCursor(picture, source.hotX, source.hotY);
}

}  // namespace

const QCursor& GameCursor(CursorId id) {
  static std::map<CursorId, QCursor> loaded;
  auto it = loaded.find(id);
  if (it == loaded.end()) it = loaded.emplace(id, Load(id)).first;
  return it->second;
}

}  // namespace ossaric
