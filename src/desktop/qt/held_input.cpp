#include "desktop/qt/held_input.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace ossaric {

namespace {

// What the window system counts as the user's input, as it reaches a window; and the shortcuts
// it sets off, which reach their menu item or shortcut object before any window sees the key.
bool IsInput(const QObject* receiver, const QEvent* event) {
  switch (event->type()) {
    case QEvent::Shortcut:
      return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
      return receiver->isWindowType();
    default:
      return false;
  }
}

// What makes `event` again when it is handed on. A pointer event keeps its place in the device's
// one record of the pointer, which Qt rewrites with every later event of that device: a copy
// kept or queued would be handed on where a later or earlier press was (a menu-bar press would
// then never be released on its item). So a held pointer event is kept as its values and made
// anew just before it is sent.
std::function<std::unique_ptr<QEvent>()> Maker(const QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
      const auto* e = static_cast<const QMouseEvent*>(event);
      return [type = e->type(), local = e->position(), scene = e->scenePosition(),
              global = e->globalPosition(), button = e->button(), buttons = e->buttons(),
              modifiers = e->modifiers(), source = e->source(), device = e->pointingDevice(),
              time = e->timestamp()] {
        auto made = std::make_unique<QMouseEvent>(type, local, scene, global, button, buttons,
                                                  modifiers, source, device);
        made->setTimestamp(time);
        return std::unique_ptr<QEvent>(std::move(made));
      };
    }
    case QEvent::Enter: {
      const auto* e = static_cast<const QEnterEvent*>(event);
      return [local = e->position(), scene = e->scenePosition(), global = e->globalPosition(),
              device = e->pointingDevice()] {
        return std::unique_ptr<QEvent>(std::make_unique<QEnterEvent>(local, scene, global, device));
      };
    }
    case QEvent::Wheel: {
      const auto* e = static_cast<const QWheelEvent*>(event);
      return [local = e->position(), global = e->globalPosition(), pixels = e->pixelDelta(),
              angle = e->angleDelta(), buttons = e->buttons(), modifiers = e->modifiers(),
              phase = e->phase(), inverted = e->inverted(), source = e->source(),
              device = e->pointingDevice(), time = e->timestamp()] {
        auto made = std::make_unique<QWheelEvent>(local, global, pixels, angle, buttons, modifiers,
                                                  phase, inverted, source, device);
        made->setTimestamp(time);
        return std::unique_ptr<QEvent>(std::move(made));
      };
    }
    default: {
      std::shared_ptr<const QEvent> kept(event->clone());
      return [kept] { return std::unique_ptr<QEvent>(kept->clone()); };
    }
  }
}

}  // namespace

HeldInput::HeldInput() {
  QCoreApplication::instance()->installEventFilter(this);
}

HeldInput::~HeldInput() {
  if (QCoreApplication::instance() != nullptr)
    QCoreApplication::instance()->removeEventFilter(this);
}

bool HeldInput::eventFilter(QObject* receiver, QEvent* event) {
  if (!holding_ || !IsInput(receiver, event)) return false;
  // Of mouse moves in a row only the last matters.
  if (event->type() == QEvent::MouseMove && !held_.empty() && held_.back().receiver == receiver &&
      held_.back().type == QEvent::MouseMove) {
    held_.back().make = Maker(event);
    return true;
  }
  held_.push_back({receiver, event->type(), Maker(event)});
  return true;
}

void HeldInput::Send() {
  std::vector<Held> held;
  held.swap(held_);
  for (Held& h : held)
    if (h.receiver) QCoreApplication::sendEvent(h.receiver, h.make().get());
}

void HeldInput::Post() {
  std::vector<Held> held;
  held.swap(held_);
  // Each is made when its turn in the queue comes, not now.
  for (Held& h : held)
    if (h.receiver)
      QMetaObject::invokeMethod(
          h.receiver,
          [receiver = h.receiver, make = std::move(h.make)] {
            if (receiver) QCoreApplication::sendEvent(receiver, make().get());
          },
          Qt::QueuedConnection);
}

}  // namespace ossaric
