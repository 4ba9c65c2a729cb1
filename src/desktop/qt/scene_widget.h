// The widget that shows the game's 632 x 434 framebuffer. When the window is larger, the scene
// is scaled to fit with its aspect kept and centred; presses and moves are mapped back to scene
// pixels. At scale 1 the pixels are copied unchanged. The window's backing store holds the
// scaled scene between paints, and only the pixels that show a change of the scene are scaled
// again, so a frame of an animation costs the few pixels it moved whatever the window's size.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QWidget>
#include <functional>

#include "desktop/qt/scene_scaler.h"
#include "game/target.h"

namespace ossaric {

class Surface;
class TSceneView;

// Where the scene lies in a widget of `area`: the largest rectangle of the scene's aspect that
// fits, centred; exactly the scene's size when the widget is that size.
QRect SceneRect(QSize area, QSize scene);
// A widget point in scene pixels; false when it lies outside the scene.
bool MapToScene(QPoint widgetPoint, QSize area, QSize scene, QPoint& out);

class SceneWidget : public QWidget {
 public:
  explicit SceneWidget(QWidget* parent = nullptr);

  void SetSurface(Surface* surface);
  // Shows what was drawn on the scene since the last call: at once (`now`, the frames of an
  // animation) or with the next paint of the event loop.
  void PresentChanges(bool now);
  // Called once after the first paint that showed the scene.
  std::function<void()> onFirstFrame;
  QSize SceneSize() const { return {632, 434}; }
  QSize sizeHint() const override { return SceneSize() * scale_; }
  // The size the window opens with, in scene pixels times this factor.
  void SetOpeningScale(int scale) { scale_ = scale < 1 ? 1 : scale; }

  std::function<void(int, int)> onPress;
  std::function<void(int, int)> onMove;
  std::function<void()> onLeave;  // the mouse moved off the scene
  std::function<void(int)> onChar;
  // A key that moves the keyboard focus or presses what it rests on (GameKey's values).
  std::function<void(int)> onKey;
  // The scene took the keyboard's focus (back from a menu, a box or another window).
  std::function<void()> onFocusIn;
  // What a screen reader reads of the scene, and how its press reaches the game.
  void SetView(const TSceneView* view) { view_ = view; }
  const TSceneView* View() const { return view_; }
  std::function<void(Target)> onPressTarget;
  // The keyboard focus ring around a scene rectangle; an empty one hides it.
  void SetFocusRing(QRect sceneRect);
  // The tooltip for a scene point; none when empty.
  std::function<QString(int, int)> onToolTip;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  void focusInEvent(QFocusEvent* event) override;
  // Tab and Shift+Tab move the game's own focus, not Qt's.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  // The widget pixels that show the scene's changes since the last call.
  QRegion TakeChanges();
  bool Scaled(QRect& target);
  void DrawScaled(QPainter& painter, const QRect& part, const QRect& target);
  QImage SceneImage() const;

  Surface* surface_ = nullptr;
  int scale_ = 1;
  SceneScaler scaler_;
  QImage part_;  // a piece of the scaled scene, where it cannot be drawn in place
  bool firstFrameShown_ = false;
  QRect ring_;  // scene pixels
  const TSceneView* view_ = nullptr;
  QRect RingInWidget() const;
};

// The game's key (GameKey's value) for a key press, or -1 for none.
int FocusKey(int key, Qt::KeyboardModifiers modifiers);

// The character a key press types, as the game reads it (8 for backspace), or -1 for none.
int TypedCharacter(int key, const QString& text);

}  // namespace ossaric
