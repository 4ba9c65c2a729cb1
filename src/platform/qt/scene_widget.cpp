#include "platform/qt/scene_widget.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "platform/surface.h"

namespace ossaric {

namespace {
// The length of the pieces Qt's raster engine fills a row of a scaled picture in.
constexpr int kSmoothRun = 2048;
}  // namespace

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

int TypedCharacter(int key, const QString& text) {
  if (key == Qt::Key_Backspace) return 8;
  if (text.size() != 1) return -1;
  const char16_t c = text.at(0).unicode();
  if (c == 0x7f) return -1;  // delete is no character of the game's
  return c < 0x100 ? static_cast<int>(c) : -1;
}

SceneWidget::SceneWidget(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(SceneSize() / 2);
}

void SceneWidget::SetSurface(Surface* surface) {
  surface_ = surface;
  scaledValid_ = false;
  update();
}

QImage SceneWidget::SceneImage() const {
  return QImage(reinterpret_cast<const uchar*>(surface_->Data()), surface_->Width(),
                surface_->Height(), surface_->Width() * 4, QImage::Format_RGB32);
}

// Draws the part `widgetRect` of the scaled scene into the copy, exactly as scaling the whole
// scene would: whole multiples stay crisp, anything else is smoothed.
void SceneWidget::Rescale(const QRect& widgetRect) {
  const QImage image = SceneImage();
  const QRect target = SceneRect(size(), image.size());
  if (scaled_.size() != target.size()) scaled_ = QImage(target.size(), QImage::Format_RGB32);
  QPainter painter(&scaled_);
  painter.setClipRect(widgetRect.translated(-target.topLeft()));
  const bool whole = target.width() % image.width() == 0;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, !whole);
  painter.drawImage(QRect(QPoint(0, 0), target.size()), image);
}

QRegion SceneWidget::TakeChanges() {
  if (surface_ == nullptr) return {};
  const std::vector<DirtyRect> changed = surface_->TakeDirty();
  if (changed.empty()) return {};
  const QSize scene(surface_->Width(), surface_->Height());
  const QRect target = SceneRect(size(), scene);
  QRegion region, rescaled;
  for (const DirtyRect& d : changed) {
    if (target.size() == scene) {
      region += QRect(d.x, d.y, d.w, d.h).translated(target.topLeft());
      continue;
    }
    // A smoothed pixel blends its neighbours: a changed scene pixel reaches the widget pixels
    // of the scene pixel beside it too, so the rectangle grows by two scene pixels first.
    const long long x0 = std::max(0, d.x - 2), y0 = std::max(0, d.y - 2);
    const long long x1 = std::min(scene.width(), d.x + d.w + 2);
    const long long y1 = std::min(scene.height(), d.y + d.h + 2);
    const int left = static_cast<int>(x0 * target.width() / scene.width());
    const int top = static_cast<int>(y0 * target.height() / scene.height());
    const int right = static_cast<int>((x1 * target.width() + scene.width() - 1) / scene.width());
    const int bottom =
        static_cast<int>((y1 * target.height() + scene.height() - 1) / scene.height());
    region += QRect(left, top, right - left, bottom - top).translated(target.topLeft());
    // Qt's smoothing steps along a row from the start of each piece of kSmoothRun pixels it
    // fills; starting where the whole scene's fill starts a piece gives the very same pixels.
    const int start = target.width() % scene.width() != 0 ? left - left % kSmoothRun : left;
    rescaled += QRect(start, top, right - start, bottom - top).translated(target.topLeft());
  }
  if (scaledValid_)
    for (const QRect& r : rescaled) Rescale(r);
  return region;
}

void SceneWidget::PresentChanges(bool now) {
  const QRegion region = TakeChanges();
  if (region.isEmpty() || !isVisible()) return;
  if (now)
    repaint(region);
  else
    update(region);
}

void SceneWidget::resizeEvent(QResizeEvent* event) {
  scaledValid_ = false;
  QWidget::resizeEvent(event);
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
  const QImage image = SceneImage();
  const QRect target = SceneRect(size(), image.size());
  if (target.size() == image.size()) {
    painter.drawImage(target.topLeft(), image);
  } else {
    if (!scaledValid_) {
      Rescale(target);
      scaledValid_ = true;
    }
    for (const QRect& r : event->region()) {
      const QRect part = r.intersected(target);
      if (!part.isEmpty())
        painter.drawImage(part.topLeft(), scaled_, part.translated(-target.topLeft()));
    }
  }
  // The bands left beside or under the scene.
  const QRegion bands = event->region().subtracted(QRegion(target));
  for (const QRect& band : bands) painter.fillRect(band, QColor(24, 16, 12));
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

void SceneWidget::keyPressEvent(QKeyEvent* event) {
  const int ch = TypedCharacter(event->key(), event->text());
  if (ch < 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (onChar) onChar(ch);
}

}  // namespace ossaric
