#include "desktop/qt/held_input.h"

#include <QCoreApplication>
#include <QEvent>

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
  if (event->type() == QEvent::MouseMove && !held_.empty() && held_.back().first == receiver &&
      held_.back().second->type() == QEvent::MouseMove) {
    held_.back().second.reset(event->clone());
    return true;
  }
  held_.emplace_back(receiver, event->clone());
  return true;
}

void HeldInput::Send() {
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held;
  held.swap(held_);
  for (auto& [receiver, event] : held)
    if (receiver) QCoreApplication::sendEvent(receiver, event.get());
}

void HeldInput::Post() {
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held;
  held.swap(held_);
  for (auto& [receiver, event] : held)
    if (receiver) QCoreApplication::postEvent(receiver, event.release());
}

}  // namespace ossaric
