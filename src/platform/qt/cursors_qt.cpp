#include "platform/qt/cursors_qt.h"

#include <QFile>
#include <QPixmap>
#include <map>

namespace ossaric {

namespace {

struct CursorSource {
  CursorId id;
  const char* resource;
  int hotX, hotY;
  Qt::CursorShape fallback;
};

// The pen writes at its nib, the hand points with its finger, the cup and the button take the
// press at their middles.
constexpr CursorSource kSources[] = {
    {CursorId::Pen, ":/cursors/CURSOR_1.png", 2, 29, Qt::CrossCursor},
    {CursorId::Hand, ":/cursors/CURSOR_2.png", 10, 2, Qt::PointingHandCursor},
    {CursorId::Roll, ":/cursors/CURSOR_3.png", 16, 16, Qt::OpenHandCursor},
    {CursorId::Next, ":/cursors/CURSOR_4.png", 16, 16, Qt::PointingHandCursor},
};

QCursor Load(CursorId id) {
  if (id == CursorId::Arrow) return QCursor(Qt::ArrowCursor);
  if (id == CursorId::Wait) return QCursor(Qt::WaitCursor);
  for (const CursorSource& s : kSources) {
    if (s.id != id) continue;
    if (QFile::exists(QString::fromLatin1(s.resource))) {
      QPixmap picture(QString::fromLatin1(s.resource));
      if (!picture.isNull()) return QCursor(picture, s.hotX, s.hotY);
    }
    return QCursor(s.fallback);
  }
  return QCursor(Qt::ArrowCursor);
}

}  // namespace

const QCursor& GameCursor(CursorId id) {
  static std::map<CursorId, QCursor> loaded;
  auto it = loaded.find(id);
  if (it == loaded.end()) it = loaded.emplace(id, Load(id)).first;
  return it->second;
}

}  // namespace ossaric
