#include "desktop/qt/qt_host.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <algorithm>
#include <cerrno>
#include <vector>

#include "desktop/qt/cursors_qt.h"
#include "desktop/qt/held_input.h"
#include "desktop/qt/scene_accessible.h"
#include "desktop/qt/scene_widget.h"
#include "files/file_store.h"
#include "platform/user_dirs.h"

namespace ossaric {

namespace {

// The help page's browser: Tab goes from link to link, and says where it went.
class HelpBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;
  std::function<void(const QString&)> onLinkReached;

  // A followed link puts the caret on the heading it leads to, so that the arrows read on from
  // there, and says the heading.
  void FollowToAnchor(const QString& name) {
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
      for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().anchorNames().contains(name)) {
          QTextCursor cursor(block);
          setTextCursor(cursor);
          ensureCursorVisible();
          if (onLinkFollowed) onLinkFollowed(block.text());
          return;
        }
  }
  std::function<void(const QString&)> onLinkFollowed;

 protected:
  bool focusNextPrevChild(bool next) override {
    const bool moved = QTextBrowser::focusNextPrevChild(next);
    if (moved && onLinkReached && textCursor().charFormat().isAnchor())
      onLinkReached(textCursor().selectedText());
    return moved;
  }
};

}  // namespace

namespace {
// Room a message box's title bar needs beside the title: the icon, the frame's three buttons and
// the title's margins.
constexpr int kTitleRoom = 150;
// A help page larger than this is no help page: refused rather than laid out for minutes.
constexpr size_t kLargestHelp = 4u << 20;

// The directory of `file` as the file system spells it, made into text the way Qt's own file
// access reads it back, so that a directory whose name is not UTF-8 is still found.
QString LocalDirectory(const std::string& file) {
  const size_t slash = file.rfind('/');
  return QFile::decodeName(QByteArray::fromStdString(
      slash != std::string::npos ? file.substr(0, slash + 1) : CurrentDirectory()));
}
}  // namespace

QtHost::QtHost(SceneWidget* scene) : scene_(scene) {
  clock_.start();
}

void ChooseEventLoop() {
  if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
}

QtHost::~QtHost() {
  for (auto& [id, timer] : timers_) timer->stop();
  if (help_) delete help_.data();
}

void QtHost::AddMenuAction(int command, QAction* action) {
  actions_[command] = action;
}

bool QtHost::Checked(int command) const {
  auto it = checks_.find(command);
  return it != checks_.end() && it->second;
}

void QtHost::Deliver(Kind kind, std::function<void()> handler, int timerId) {
  if (!handler) return;
  if (kind == Kind::Input && refuseInput_) return;
  if (busy_) {
    if (kind == Kind::Timer) {
      for (const Waiting& w : waiting_)
        if (w.kind == Kind::Timer && w.timerId == timerId) return;  // one tick is enough
    }
    if (kind == Kind::Move && !waiting_.empty() && waiting_.back().kind == Kind::Move) {
      waiting_.back().handler = std::move(handler);
      return;
    }
    waiting_.push_back({kind, timerId, std::move(handler)});
    return;
  }
  Run(handler);
  while (!waiting_.empty()) {
    Waiting next = std::move(waiting_.front());
    waiting_.pop_front();
    Run(next.handler);
  }
  WakeUp();
}

void QtHost::DeliverQueued(Kind kind, std::function<void()> handler) {
  QMetaObject::invokeMethod(
      this, [this, kind, handler = std::move(handler)]() mutable { Deliver(kind, handler); },
      Qt::QueuedConnection);
}

void QtHost::Run(const std::function<void()>& handler) {
  busy_ = true;
  handler();
  // A repaint asked for during the handler runs once it has returned.
  while (invalidated_) {
    invalidated_ = false;
    if (onPaint_) onPaint_();
  }
  busy_ = false;
  if (scene_) scene_->PresentChanges(false);
  if (onAfter_) onAfter_();
}

// Input held while a handler paused goes on to its windows through the event loop; and input
// the window system held back sits in Qt's queue without waking the loop: a queued call makes
// the loop look at it now rather than at the next event.
void QtHost::WakeUp() {
  held_.Post();
  QMetaObject::invokeMethod(
      this, [] {}, Qt::QueuedConnection);
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void QtHost::AskToEnd() {
  ending_ = true;
  if (box_) box_->done(QMessageBox::Ok);
  CloseHelp();
}

// The box beside the part `clear` of the scene, on the side with more room, level with the
// scene's middle and kept on the screen; where neither side has room it stays centred.
void QtHost::PlaceBeside(QMessageBox& box, const QRect& clear) const {
  if (scene_ == nullptr || scene_->window() == nullptr) return;
  const QRect scene = SceneRect(scene_->size(), scene_->SceneSize());
  const double sx = double(scene.width()) / scene_->SceneSize().width();
  const double sy = double(scene.height()) / scene_->SceneSize().height();
  const QPoint topLeft =
      scene_->mapToGlobal(QPoint(scene.x() + int(clear.x() * sx), scene.y() + int(clear.y() * sy)));
  const QRect mark(topLeft, QSize(int(clear.width() * sx), int(clear.height() * sy)));
  const QPoint middle = scene_->mapToGlobal(scene.center());
  box.adjustSize();
  const QSize size = box.sizeHint().expandedTo(box.size());
  const QScreen* screen = scene_->screen();
  const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
  const int leftRoom = mark.left() - room.left(), rightRoom = room.right() - mark.right();
  int x;
  if (rightRoom >= size.width() + 8 && rightRoom >= leftRoom)
    x = mark.right() + 8;
  else if (leftRoom >= size.width() + 8)
    x = mark.left() - 8 - size.width();
  else
    return;
  // As near the scene's middle as the side allows.
  const int centred = middle.x() - size.width() / 2;
  x = x > mark.right() ? std::max(x, std::min(centred, room.right() - size.width()))
                       : std::min(x, std::max(centred, room.left()));
  const int y = std::clamp(middle.y() - size.height() / 2, room.top(),
                           std::max(room.top(), room.bottom() - size.height()));
  box.move(x, y);
}

void QtHost::MessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                        bool owned) {
  if (ending_) return;
  QMessageBox::Icon qicon = QMessageBox::NoIcon;
  if (icon == MessageIcon::Exclamation) qicon = QMessageBox::Warning;
  if (icon == MessageIcon::Information) qicon = QMessageBox::Information;
  QWidget* parent = owned ? owner_.data() : nullptr;
  QMessageBox box(qicon, QString::fromStdString(caption), QString::fromStdString(text),
                  QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  // A short text makes a narrow box, whose title the window manager would cut to "Gam...Over":
  // the box is kept wide enough for its title, the frame's buttons and icon beside it.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleRoom;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
  if (!clear_.isNull()) {
    PlaceBeside(box, clear_);
    clear_ = QRect();
  }
  // The box belongs to the running handler: it counts as busy whether or not it was before.
  const bool wasBusy = busy_;
  busy_ = true;
  // A press on the main window (the second of a double click, say) may make the window manager
  // hand it the focus; the box takes it back, so that it keeps the keyboard until answered.
  const QMetaObject::Connection keepFocus =
      QObject::connect(static_cast<QGuiApplication*>(QCoreApplication::instance()),
                       &QGuiApplication::focusWindowChanged, &box, [&box](QWindow* now) {
                         if (!box.isVisible() || (now != nullptr && now == box.windowHandle()))
                           return;
                         QTimer::singleShot(0, &box, [&box] {
                           box.raise();
                           box.activateWindow();
                         });
                       });
  const QPointer<QMessageBox> outer = box_;
  box_ = &box;
  // Presses held from a pause before the box would reach a window the box now blocks.
  held_.Drop();
  box.exec();
  box_ = outer;
  QObject::disconnect(keepFocus);
  busy_ = wasBusy;
}

void QtHost::SetCursor(CursorId cursor) {
  if (scene_) scene_->setCursor(GameCursor(cursor));
}

void QtHost::StartTimer(int id, int periodMs) {
  QTimer*& timer = timers_[id];
  if (timer == nullptr) {
    timer = new QTimer(this);
    QObject::connect(timer, &QTimer::timeout, this, [this, id] {
      Deliver(
          Kind::Timer,
          [this, id] {
            if (onTimer_) onTimer_(id);
          },
          id);
    });
  }
  timer->start(std::max(1, periodMs));
}

void QtHost::StopTimer(int id) {
  auto it = timers_.find(id);
  if (it != timers_.end()) it->second->stop();
  // Ticks that fell due before the stop are gone with it.
  std::erase_if(waiting_,
                [id](const Waiting& w) { return w.kind == Kind::Timer && w.timerId == id; });
}

void QtHost::CheckMenuItem(int command, bool checked) {
  checks_[command] = checked;
  auto it = actions_.find(command);
  if (it == actions_.end()) return;
  it->second->setCheckable(true);
  it->second->setChecked(checked);
}

void QtHost::DrawMenuBar() {
  if (owner_) owner_->update();
}

void QtHost::AcceptPlayerInput(bool accepted) {
  if (!accepted) {
    refuseInput_ = true;
    return;
  }
  if (refuseInput_) {
    // Presses and keys held from the turn come in now, while they are refused; anything else
    // that arrives with them waits behind the running handler as usual.
    held_.Send();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Input held since before the turn does not act after it either.
    std::erase_if(waiting_, [](const Waiting& w) { return w.kind == Kind::Input; });
  }
  refuseInput_ = false;
}

void QtHost::Present() {
  if (scene_) scene_->PresentChanges(true);
}

// Words said at once through the scene's announcement, while a screen reader listens.
void QtHost::SayToScreenReader(const QString& words) {
  if (SceneAccessible* scene = ListenedScene(scene_); scene != nullptr && !words.isEmpty())
    scene->Say(words);
}

void QtHost::OpenHelp(const std::string& file) {
  if (!help_) {
    auto* help = new HelpBrowser(owner_);
    help_ = help;
    help_->setWindowFlag(Qt::Window);
    help_->setWindowTitle(QCoreApplication::translate("Help", "Ossaric Help"));
    help_->setOpenExternalLinks(false);
    help_->resize(600, 640);
    // A document to walk with the keys, as a screen reader reads it: a caret that the arrows
    // move line by line, Tab from link to link and Return to follow one.
    help_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    help_->setAccessibleName(help_->windowTitle());
    // Escape and Ctrl+W close it, as they close a help window elsewhere on the desktop.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
      auto* close = new QAction(help_);
      close->setShortcut(keys);
      close->setShortcutContext(Qt::WindowShortcut);
      QObject::connect(close, &QAction::triggered, help_, &QWidget::close);
      help_->addAction(close);
    }
    // A link that Tab reached is said by name: Qt 6.4 tells a screen reader nothing of it.
    help->onLinkReached = [this](const QString& link) {
      SayToScreenReader(QCoreApplication::translate("Help", "%1, link").arg(link.trimmed()));
    };
    help->onLinkFollowed = [this](const QString& heading) { SayToScreenReader(heading.trimmed()); };
    QObject::connect(help, &QTextBrowser::anchorClicked, help, [help](const QUrl& url) {
      if (!url.fragment().isEmpty())
        QTimer::singleShot(0, help, [help, name = url.fragment()] { help->FollowToAnchor(name); });
    });
  }
  help_->setHtml(
      QStringLiteral("<p>%1</p>").arg(QCoreApplication::translate("Help", "Loading the help ...")));
  // The page is read and laid out once the help window is up, never from a FIFO or a device,
  // and never from a file too large for a help page.
  QTimer::singleShot(0, help_, [this, file] { LoadHelp(file); });
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void QtHost::LoadHelp(const std::string& file) {
  if (!help_) return;
  const size_t slash = file.rfind('/');
  const QString name = QFile::decodeName(
      QByteArray::fromStdString(slash == std::string::npos ? file : file.substr(slash + 1)));
  std::vector<uint8_t> bytes;
  if (ReadWholeFile(file, kLargestHelp, bytes)) {
    const QString dir = LocalDirectory(file);
    help_->setSearchPaths({dir});
    help_->setHtml(QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()),
                                     static_cast<qsizetype>(bytes.size())));
    help_->document()->setBaseUrl(QUrl::fromLocalFile(QDir(dir).filePath(name)));
    return;
  }
  const QString why =
      errno == EFBIG
          ? QCoreApplication::translate(
                "Help",
                "The help file <b>%1</b> is too large to show, in the game directory<br>"
                "<tt>%2</tt>.")
          : QCoreApplication::translate(
                "Help",
                "The help file <b>%1</b> was not found in the game directory<br><tt>%2</tt>.");
  help_->setHtml(QStringLiteral("<h2>%1</h2><p>%2</p>")
                     .arg(QCoreApplication::translate("Help", "Help is missing"),
                          why.arg(name.toHtmlEscaped(), LocalDirectory(file).toHtmlEscaped())));
}

void QtHost::CloseHelp() {
  if (help_) help_->close();
}

uint32_t QtHost::TickCount() {
  return static_cast<uint32_t>(clock_.elapsed());
}

void QtHost::PumpWhileBusy(int remainingMs) {
  if (ending_) remainingMs = 0;
  // Repaints, window-manager pings, a close and the like go on; presses and keys are held. The
  // loop sleeps until the next event or the deadline, when a single-shot timer wakes it. (Qt's
  // own holding back of input would hold the window manager's close as well.)
  if (remainingMs > 0) {
    if (wake_ == nullptr) {
      wake_ = new QTimer(this);
      wake_->setSingleShot(true);
      wake_->setTimerType(Qt::PreciseTimer);
    }
    wake_->start(remainingMs);
  }
  held_.SetHolding(true);
  QCoreApplication::processEvents(remainingMs > 0 ? QEventLoop::WaitForMoreEvents
                                                  : QEventLoop::AllEvents);
  held_.SetHolding(false);
}

void QtHost::ShowFocusRing(bool shown, int x, int y, int w, int h) {
  scene_->SetFocusRing(shown ? QRect(x, y, w, h) : QRect());
}

}  // namespace ossaric
