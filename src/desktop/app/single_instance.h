// One game per settings directory. The first start holds a lock (released by the system however
// the program ends, so a crashed run never blocks the next) and listens on a local socket beside
// it; a second start asks it to come to the front and ends. A lock name that holds anything but a
// regular file of this user, or a socket name anything but a socket of this user, is passed over
// for the next of a few names, which every start tries in the same order.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;

namespace ossaric {

class SingleInstance : public QObject {
 public:
  // `key` tells the games apart: the directory of their settings file, as the system spells it.
  explicit SingleInstance(const std::string& key);
  ~SingleInstance() override;

  enum class Outcome { First, Raised, Alone };
  // First: no other game runs; this one now answers later starts. Raised: another game runs and
  // has come to the front. Alone: no lock could be made or the other game did not answer; this
  // start goes on by itself.
  Outcome Claim();

  // Called in the first game when a later start asks it to come to the front, with the later
  // start's activation token (XDG_ACTIVATION_TOKEN, may be empty).
  std::function<void(const QByteArray& token)> onRaise;

  QString SocketName() const { return base_ + QStringLiteral(".socket"); }

 private:
  struct Caller;  // a later start connected to the first game

  bool Listen();
  bool AskToRaise();
  void Accept();
  void Answer(Caller* caller);
  void Drop(Caller* caller);

  QString first_;  // the first of the names, "…/ossaric-HASH"
  QString base_;   // the name in use
  int lockFd_ = -1;
  int listenFd_ = -1;
  QSocketNotifier* accepting_ = nullptr;
  std::vector<std::unique_ptr<Caller>> callers_;  // the oldest first
};

// Brings a top-level window to the front: shown, not minimised, raised and activated.
void BringToFront(class QWidget* window, const QByteArray& token);

}  // namespace ossaric
