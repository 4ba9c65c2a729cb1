// Presses, keys and wheel turns that arrive while a handler pauses (a throw, the computer's
// turn) wait until the pause is over, as the window system would hold them; a close of the
// window, from the window manager or the session, goes through at once, so that the game can
// end without waiting for the turn.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

namespace ossaric {

class HeldInput : public QObject {
 public:
  // Watches every event of the application; holds nothing until told to.
  HeldInput();
  ~HeldInput() override;

  // While holding, input for the program's windows is kept back in arrival order.
  void SetHolding(bool holding) { holding_ = holding; }
  // Hands what was held to its windows now, in order.
  void Send();
  // Hands it on through the event loop, once the running handler has returned.
  void Post();
  // Forgets it (a box now stands in front of the window it was for).
  void Drop() { held_.clear(); }
  size_t Count() const { return held_.size(); }

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;

 private:
  // An input kept back: whom it was for, and what makes it again.
  struct Held {
    QPointer<QObject> receiver;
    QEvent::Type type;
    std::function<std::unique_ptr<QEvent>()> make;
  };
  bool holding_ = false;
  std::vector<Held> held_;
};

}  // namespace ossaric
