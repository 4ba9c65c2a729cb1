#include "desktop/qt/scene_widget.h"

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "platform/surface.h"
#include "ui/commands.h"

namespace ossaric {

QRect SceneRect(QSize area, QSize scene) {
  if (area == scene || area.isEmpty() || scene.isEmpty()) return QRect(QPoint(0, 0), scene);
  QSize fit = scene.scaled(area, Qt::KeepAspectRatio);
  return QRect(QPoint((area.width() - fit.width()) / 2, (area.height() - fit.height()) / 2), fit);
}

bool MapToScene(QPoint p, QSize area, QSize scene, QPoint& out) {
  const QRect r = SceneRect(area, scene);
  if (!r.contains(p) || r.width() <= 0 || r.height() <= 0) return false;
  const long long x = static_cast<long long>(p.x() - r.x()) * scene.width() / r.width();
  const long long y = static_cast<long long>(p.y() - r.y()) * scene.height() / r.height();
  out = QPoint(static_cast<int>(std::min<long long>(x, scene.width() - 1)),
               static_cast<int>(std::min<long long>(y, scene.height() - 1)));
  return true;
}

// The one character a key typed, as its code point (a letter beyond the first plane comes as a
// pair of halves); -1 for none or more than one.
int TypedCharacter(int key, const QString& text) {
  if (key == Qt::Key_Backspace) return 8;
  const QList<uint> points = text.toUcs4();
  if (points.size() != 1) return -1;
  if (points[0] == 0x7f) return -1;  // delete is no character of the game's
  return static_cast<int>(points[0]);
}

int FocusKey(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return -1;
  switch (key) {
    case Qt::Key_Tab:
      return static_cast<int>(modifiers & Qt::ShiftModifier ? GameKey::BackTab : GameKey::Tab);
    case Qt::Key_Backtab:
      return static_cast<int>(GameKey::BackTab);
    case Qt::Key_Left:
      return static_cast<int>(GameKey::Left);
    case Qt::Key_Right:
      return static_cast<int>(GameKey::Right);
    case Qt::Key_Up:
      return static_cast<int>(GameKey::Up);
    case Qt::Key_Down:
      return static_cast<int>(GameKey::Down);
    case Qt::Key_Space:
      return static_cast<int>(GameKey::Space);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return static_cast<int>(GameKey::Return);
    case Qt::Key_Escape:
      return static_cast<int>(GameKey::Escape);
    case Qt::Key_Home:
      return static_cast<int>(GameKey::Home);
    case Qt::Key_End:
      return static_cast<int>(GameKey::End);
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
    case Qt::Key_5:
      // Not on the keypad's digits with Shift, nor as a name's character (the game decides).
      return static_cast<int>(GameKey::Die1) + (key - Qt::Key_1);
    default:
      return -1;
  }
}

SceneWidget::SceneWidget(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Input methods (Chinese, Japanese, Korean, ...) hand their text to the scene whole.
  setAttribute(Qt::WA_InputMethodEnabled);
  setMinimumSize(SceneSize() / 2);
}

void SceneWidget::SetSurface(Surface* surface) {
  surface_ = surface;
  update();
}

QImage SceneWidget::SceneImage() const {
  return QImage(reinterpret_cast<const uchar*>(surface_->Data()), surface_->Width(),
                surface_->Height(), surface_->Width() * 4, QImage::Format_RGB32);
}

// Sets the scaler to the scene and the part of the widget it is shown in; false when the scene
// is shown at its own size.
bool SceneWidget::Scaled(QRect& target) {
  const QSize scene(surface_->Width(), surface_->Height());
  target = SceneRect(size(), scene);
  if (target.size() == scene) return false;
  scaler_.SetSizes(scene, target.size(), target.width() % scene.width() != 0);
  return true;
}

QRegion SceneWidget::TakeChanges() {
  if (surface_ == nullptr) return {};
  const std::vector<DirtyRect> changed = surface_->TakeDirty();
  if (changed.empty()) return {};
  QRect target;
  const bool scaled = Scaled(target);
  QRegion region;
  for (const DirtyRect& d : changed) {
    // A smoothed window pixel blends the scene pixels around it: the scaler knows which.
    const QRect r(d.x, d.y, d.w, d.h);
    region += (scaled ? scaler_.Reach(r) : r).translated(target.topLeft());
  }
  return region;
}

// Scales the part `part` (widget pixels, within the scene's place `target`) of the scene onto
// the widget. The pixels go straight into the window's backing store when that is a plain
// 32-bit picture at one device pixel per pixel, as X11's is; else by way of a copy.
void SceneWidget::DrawScaled(QPainter& painter, const QRect& part, const QRect& target) {
  const QRect inScene = part.translated(-target.topLeft());
  QBackingStore* store = backingStore();
  QPaintDevice* device = painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
  const QTransform& place = painter.deviceTransform();
  if (store != nullptr && device != nullptr && device == store->paintDevice() &&
      device->devType() == QInternal::Image && place.type() <= QTransform::TxTranslate) {
    auto* image = static_cast<QImage*>(device);
    const QPoint at = place.map(part.topLeft());
    const QImage::Format f = image->format();
    if ((f == QImage::Format_RGB32 || f == QImage::Format_ARGB32_Premultiplied) &&
        image->devicePixelRatio() == 1 && image->rect().contains(QRect(at, part.size()))) {
      const int stride = static_cast<int>(image->bytesPerLine() / 4);
      uint32_t* out = reinterpret_cast<uint32_t*>(image->bits()) +
                      static_cast<ptrdiff_t>(at.y()) * stride + at.x();
      scaler_.Scale(surface_->Data(), surface_->Width(), inScene, out, stride);
      return;
    }
  }
  if (part_.width() < part.width() || part_.height() < part.height())
    part_ = QImage(part.size().expandedTo(part_.size()), QImage::Format_RGB32);
  scaler_.Scale(surface_->Data(), surface_->Width(), inScene,
                reinterpret_cast<uint32_t*>(part_.bits()),
                static_cast<int>(part_.bytesPerLine() / 4));
  painter.drawImage(part.topLeft(), part_, QRect(QPoint(0, 0), part.size()));
}

void SceneWidget::PresentChanges(bool now) {
  const QRegion region = TakeChanges();
  if (region.isEmpty() || !isVisible()) return;
  if (now)
    repaint(region);
  else
    update(region);
}

bool SceneWidget::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  QPoint p;
  QString text;
  if (onToolTip && MapToScene(help->pos(), size(), SceneSize(), p)) text = onToolTip(p.x(), p.y());
  if (text.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), text, this);
    // The tip's window carries its text as its name too, for screen readers and scripts.
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->inherits("QTipLabel")) w->setWindowTitle(text);
  }
  return true;
}

void SceneWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (surface_ == nullptr) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  // Changes nobody has presented yet are shown with the next paint.
  const QRegion pending = TakeChanges();
  if (!pending.isEmpty()) update(pending);
  QRect target;
  if (!Scaled(target)) {
    painter.drawImage(target.topLeft(), SceneImage());
  } else {
    for (const QRect& r : event->region()) {
      const QRect part = r.intersected(target);
      if (!part.isEmpty()) DrawScaled(painter, part, target);
    }
  }
  // The bands left beside or under the scene.
  const QRegion bands = event->region().subtracted(QRegion(target));
  for (const QRect& band : bands) painter.fillRect(band, QColor(24, 16, 12));
  // The keyboard focus: a blue ring with a white edge outside it, seen on marble and parchment
  // alike, all of it outside the target's box.
  const QRect ring = RingInWidget();
  if (!ring.isEmpty() && event->region().intersects(ring.adjusted(-3, -3, 3, 3))) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255), 1));
    painter.drawRect(ring.adjusted(-2, -2, 1, 1));
    painter.setPen(QPen(QColor(20, 60, 200), 2));
    painter.drawRect(ring);
  }
  if (!firstFrameShown_) {
    firstFrameShown_ = true;
    if (onFirstFrame) onFirstFrame();
  }
}

void SceneWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  QPoint p;
  if (MapToScene(event->position().toPoint(), size(), SceneSize(), p) && onPress)
    onPress(p.x(), p.y());
}

// The game knows no double clicks: the second press of one is a press like any other.
void SceneWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
}

void SceneWidget::mouseMoveEvent(QMouseEvent* event) {
  QPoint p;
  if (MapToScene(event->position().toPoint(), size(), SceneSize(), p)) {
    if (onMove) onMove(p.x(), p.y());
  } else if (onLeave) {
    onLeave();
  }
}

// A key types its character first (the speed keys, name editing and the hidden sequence read
// every character, a space included), then moves or presses the focus. Tab types nothing.
void SceneWidget::inputMethodEvent(QInputMethodEvent* event) {
  if (onChar)
    for (uint point : event->commitString().toUcs4())
      if (point >= 0x20 && point != 0x7f) onChar(static_cast<int>(point));
  event->accept();
}

QVariant SceneWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
  // The candidate window opens at the foot of the scene's first name field.
  if (query == Qt::ImCursorRectangle) return QRect(0, 0, 1, height() / 2);
  return QWidget::inputMethodQuery(query);
}

void SceneWidget::keyPressEvent(QKeyEvent* event) {
  const int key = FocusKey(event->key(), event->modifiers());
  const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
  const int ch = tab ? -1 : TypedCharacter(event->key(), event->text());
  if (ch < 0 && key < 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (ch >= 0 && onChar) onChar(ch);
  if (key >= 0 && onKey) onKey(key);
}

void SceneWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (onFocusIn) onFocusIn();
}

QRect SceneWidget::RingInWidget() const {
  if (ring_.isEmpty()) return {};
  const QRect target = SceneRect(size(), SceneSize());
  const double sx = double(target.width()) / SceneSize().width();
  const double sy = double(target.height()) / SceneSize().height();
  // Two pixels outside the target's box: the ring never covers a face or a score.
  const QRect outside = ring_.adjusted(-3, -3, 2, 2);
  return QRect(target.x() + int(outside.x() * sx), target.y() + int(outside.y() * sy),
               int(outside.width() * sx) + 1, int(outside.height() * sy) + 1);
}

void SceneWidget::SetFocusRing(QRect sceneRect) {
  if (sceneRect == ring_) return;
  const QRect old = RingInWidget();
  ring_ = sceneRect;
  const QRect now = RingInWidget();
  if (!old.isEmpty()) update(old.adjusted(-4, -4, 4, 4));
  if (!now.isEmpty()) update(now.adjusted(-4, -4, 4, 4));
}

}  // namespace ossaric
