// The real host: message boxes, cursors, timers, menu check marks, the help window and the
// tick counter of a Qt desktop, and the event gate that keeps the game's handlers one at a
// time. While a handler runs (a throw, the computer's turn, a message box), everything else
// that arrives for the game (presses, keys, timer ticks, music notices, close requests) waits
// in arrival order and is handled once the running handler has returned.
#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTextBrowser>
#include <deque>
#include <functional>
#include <map>
#include <string>

#include "desktop/qt/held_input.h"
#include "platform/host.h"

class QAction;

class QTimer;
class QWidget;

namespace ossaric {

class SceneWidget;

// Chooses Qt's own event loop over the GLib one, before the application object is made: the
// GLib loop leaves input held back during a wait unread until the next window event comes,
// so input made during the computer's turn could not be dropped when the turn ends. A user's
// explicit QT_NO_GLIB is kept.
void ChooseEventLoop();

class QtHost : public QObject, public Host {
 public:
  // What kind of event waits in the gate: timer ticks of one timer are merged, stopping a timer
  // drops its waiting ticks, and successive mouse moves keep only the newest.
  enum class Kind { Input, Move, Timer, Notice, Close };

  explicit QtHost(SceneWidget* scene);
  ~QtHost() override;

  // The window that owns message boxes and the help window (none while the game is built).
  void SetOwner(QWidget* owner) { owner_ = owner; }
  // Called for timer ticks, for the game's full repaint and after every handler.
  void SetTimerHandler(std::function<void(int)> handler) { onTimer_ = std::move(handler); }
  void SetPaintHandler(std::function<void()> handler) { onPaint_ = std::move(handler); }
  void SetAfterHandler(std::function<void()> handler) { onAfter_ = std::move(handler); }
  // The menu item of a command, for its check mark.
  void AddMenuAction(int command, QAction* action);
  // The check mark the game last set for a command.
  bool Checked(int command) const;

  // Runs `handler` now, or, while another handler runs, once it has returned.
  void Deliver(Kind kind, std::function<void()> handler, int timerId = 0);
  // Same, from any thread: queued to the window's thread first.
  void DeliverQueued(Kind kind, std::function<void()> handler);
  bool Busy() const { return busy_; }
  // The program is to end (a signal, or the window closed while a handler runs): the open box
  // is closed, pauses pass at once and no further box is shown, so the running handler returns
  // and the close waiting behind it runs within moments.
  void AskToEnd();
  bool Ending() const override { return ending_; }
  // Forgets everything waiting (the game has closed).
  void DropWaiting() { waiting_.clear(); }
  size_t WaitingCount() const { return waiting_.size(); }

  // Host
  void MessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                  bool owned) override;
  void KeepNextBoxClearOf(int x, int y, int w, int h) override { clear_ = QRect(x, y, w, h); }
  void SetCursor(CursorId cursor) override;
  void StartTimer(int id, int periodMs) override;
  void StopTimer(int id) override;
  void CheckMenuItem(int command, bool checked) override;
  void DrawMenuBar() override;
  void AcceptPlayerInput(bool accepted) override;
  void Invalidate() override { invalidated_ = true; }
  void Present() override;
  void OpenHelp(const std::string& file) override;
  // Fills the help window with `file`, or with the "missing help" page.
  void LoadHelp(const std::string& file);
  void CloseHelp() override;
  uint32_t TickCount() override;
  void PumpWhileBusy(int remainingMs) override;
  void ShowFocusRing(bool shown, int x, int y, int w, int h) override;
  void SceneChanged() override {
    if (onSceneChanged_) onSceneChanged_();
  }
  // Told when something a screen reader follows changed.
  void SetSceneChangedHandler(std::function<void()> handler) {
    onSceneChanged_ = std::move(handler);
  }

  QTextBrowser* HelpWindow() const { return help_; }

 private:
  struct Waiting {
    Kind kind;
    int timerId;
    std::function<void()> handler;
  };
  void Run(const std::function<void()>& handler);
  void PlaceBeside(QMessageBox& box, const QRect& clear) const;
  void WakeUp();

  SceneWidget* scene_;
  QPointer<QWidget> owner_;
  QElapsedTimer clock_;
  bool busy_ = false;
  bool ending_ = false;
  QPointer<QMessageBox> box_;  // the box open now
  QRect clear_;                // the part of the scene the next box leaves in sight
  bool invalidated_ = false;
  bool refuseInput_ = false;  // the computer plays: presses, keys and commands are dropped
  std::deque<Waiting> waiting_;
  std::map<int, QTimer*> timers_;
  QTimer* wake_ = nullptr;  // ends a wait at its deadline
  HeldInput held_;          // presses and keys that came during a pause
  std::map<int, QAction*> actions_;
  std::map<int, bool> checks_;
  std::function<void(int)> onTimer_;
  std::function<void()> onPaint_;
  std::function<void()> onAfter_;
  std::function<void()> onSceneChanged_;
  QPointer<QTextBrowser> help_;
  void SayToScreenReader(const QString& words);
};

}  // namespace ossaric
