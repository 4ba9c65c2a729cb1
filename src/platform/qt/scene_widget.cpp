#include "platform/qt/scene_widget.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "platform/surface.h"

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

void SceneWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (surface_ == nullptr) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  const QImage image(reinterpret_cast<const uchar*>(surface_->Data()), surface_->Width(),
                     surface_->Height(), surface_->Width() * 4, QImage::Format_RGB32);
  const QRect target = SceneRect(size(), image.size());
  if (target.size() == image.size()) {
    painter.drawImage(target.topLeft(), image);
  } else {
    // Whole multiples stay crisp; anything else is smoothed.
    const bool whole = target.width() % image.width() == 0;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !whole);
    painter.drawImage(target, image);
  }
  // The bands left beside or under the scene.
  const QRegion bands = QRegion(rect()).subtracted(QRegion(target));
  for (const QRect& band : bands) painter.fillRect(band, QColor(24, 16, 12));
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
