#include "desktop/app/single_instance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <cstring>

namespace ossaric {

namespace {

constexpr int kAnswerMs = 5000;   // how long a later start waits for the running game
constexpr int kNames = 4;         // "ossaric-HASH", then "ossaric-HASH-2" and on
constexpr int kCallers = 8;       // later starts heard at once; the oldest gives way to a new one
constexpr int kLineBytes = 4096;  // the longest line heard; a start's line is far shorter
constexpr char kRaised[] = "raised\n";

// What a game makes, or nothing yet: a lock is a regular file, a socket a socket, each of this
// user and never reached through a link.
bool MadeByAGame(const QByteArray& path, mode_t kind) {
  struct stat st;
  if (::lstat(path.constData(), &st) != 0) return errno == ENOENT;
  return (st.st_mode & S_IFMT) == kind && st.st_uid == ::geteuid();
}

// The directory for the lock and the socket: the desktop's runtime directory, unless its name
// cannot be written as text (the socket's name is text: it would name another directory), then
// the temporary one.
QString RuntimeDirectory() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (QFile::encodeName(QFile::decodeName(runtime)) == runtime) {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!dir.isEmpty()) return dir;
  }
  const QString temp = QDir::tempPath();
  return QFileInfo(temp).isDir() ? temp : QStringLiteral("/tmp");
}

// The socket's address; false when the name is longer than an address holds.
bool Address(const QString& name, sockaddr_un* address) {
  const QByteArray path = QFile::encodeName(name);
  *address = {};
  address->sun_family = AF_UNIX;
  if (path.size() >= static_cast<qsizetype>(sizeof address->sun_path)) return false;
  std::memcpy(address->sun_path, path.constData(), path.size());
  return true;
}

sockaddr* Raw(sockaddr_un* address) {
  return reinterpret_cast<sockaddr*>(address);
}

// Sends `message` over the connected `fd` and reads back the first line, by `deadline`: true
// when it says the game came to the front.
bool Exchange(int fd, const QByteArray& message, const QDeadlineTimer& deadline) {
  qsizetype sent = 0;
  QByteArray answer;
  while (!answer.contains('\n') && answer.size() <= kLineBytes) {
    const bool sending = sent < message.size();
    pollfd wait{fd, static_cast<short>(sending ? POLLOUT : POLLIN), 0};
    const int ready = ::poll(&wait, 1, static_cast<int>(deadline.remainingTime()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    char chunk[64];
    const ssize_t n = sending ? ::send(fd, message.constData() + sent,
                                       static_cast<size_t>(message.size() - sent), MSG_NOSIGNAL)
                              : ::recv(fd, chunk, sizeof chunk, 0);
    if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
    if (n == 0 && !sending) return false;  // the game hung up without an answer
    if (n <= 0) continue;
    if (sending)
      sent += n;
    else
      answer.append(chunk, n);
  }
  return answer.left(answer.indexOf('\n')).trimmed() == "raised";
}

}  // namespace

struct SingleInstance::Caller {
  int fd = -1;
  QSocketNotifier* readable = nullptr;
  QByteArray line;  // what came after the last end of line
};

SingleInstance::SingleInstance(const std::string& key) {
  const QString dir = RuntimeDirectory();
  const QByteArray hash =
      QCryptographicHash::hash(QByteArray::fromStdString(key), QCryptographicHash::Sha1)
          .toHex()
          .left(16);
  first_ = base_ = dir + QStringLiteral("/ossaric-") + QString::fromLatin1(hash);
}

SingleInstance::~SingleInstance() {
  while (!callers_.empty()) Drop(callers_.back().get());
  if (listenFd_ >= 0) {
    // The name goes while the lock is still held: no other game can have bound it meanwhile.
    accepting_->setEnabled(false);
    sockaddr_un address;
    if (Address(SocketName(), &address)) ::unlink(address.sun_path);
    ::close(listenFd_);
  }
  if (lockFd_ >= 0) ::close(lockFd_);
}

SingleInstance::Outcome SingleInstance::Claim() {
  for (int n = 1; n <= kNames; ++n) {
    base_ = n == 1 ? first_ : first_ + QStringLiteral("-%1").arg(n);
    const QByteArray lockPath = QFile::encodeName(base_ + QStringLiteral(".lock"));
    if (!MadeByAGame(lockPath, S_IFREG) || !MadeByAGame(QFile::encodeName(SocketName()), S_IFSOCK))
      continue;
    // No start could listen on a name this long (nor would the next names be shorter).
    sockaddr_un address;
    if (!Address(SocketName(), &address)) return Outcome::Alone;
    lockFd_ =
        ::open(lockPath.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    struct stat st;
    if (lockFd_ >= 0 && (::fstat(lockFd_, &st) != 0 || !S_ISREG(st.st_mode))) {
      ::close(lockFd_);
      lockFd_ = -1;
    }
    if (lockFd_ < 0) continue;
    if (::flock(lockFd_, LOCK_EX | LOCK_NB) == 0) return Listen() ? Outcome::First : Outcome::Alone;
    ::close(lockFd_);
    lockFd_ = -1;
    return AskToRaise() ? Outcome::Raised : Outcome::Alone;
  }
  return Outcome::Alone;
}

// Called holding the lock: a socket by the name is one a crashed run left, and goes first.
bool SingleInstance::Listen() {
  sockaddr_un address;
  if (!Address(SocketName(), &address)) return false;
  ::unlink(address.sun_path);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  // Only this user may connect: the socket's mode is given to the name bind makes, and set on
  // the name again in case the system did not.
  const bool bound = ::fchmod(fd, 0600) == 0 && ::bind(fd, Raw(&address), sizeof address) == 0;
  if (!bound || ::chmod(address.sun_path, 0600) != 0 || ::listen(fd, kCallers) != 0) {
    if (bound) ::unlink(address.sun_path);
    ::close(fd);
    return false;
  }
  listenFd_ = fd;
  accepting_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(accepting_, &QSocketNotifier::activated, this, [this] { Accept(); });
  return true;
}

// The running game may still be starting: it holds the lock before it listens.
bool SingleInstance::AskToRaise() {
  sockaddr_un address;
  if (!Address(SocketName(), &address)) return false;
  const QByteArray message = "raise\t" + qgetenv("XDG_ACTIVATION_TOKEN") + '\n';
  QDeadlineTimer deadline(kAnswerMs);
  while (!deadline.hasExpired()) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    // A local connect does not wait: it is made, or refused (no one listens yet, or too many
    // wait to be heard).
    if (::connect(fd, Raw(&address), sizeof address) != 0) {
      ::close(fd);
      QThread::msleep(100);
      continue;
    }
    const bool raised = Exchange(fd, message, deadline);
    ::close(fd);
    return raised;
  }
  return false;
}

void SingleInstance::Accept() {
  for (;;) {
    const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      if (errno != EAGAIN && errno != EWOULDBLOCK) {
        // Out of descriptors, say: a rest rather than a loop woken again at once.
        accepting_->setEnabled(false);
        QTimer::singleShot(1000, this, [this] { accepting_->setEnabled(true); });
      }
      return;
    }
    if (callers_.size() >= kCallers) Drop(callers_.front().get());
    auto caller = std::make_unique<Caller>();
    caller->fd = fd;
    caller->readable = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(caller->readable, &QSocketNotifier::activated, this,
            [this, c = caller.get()] { Answer(c); });
    callers_.push_back(std::move(caller));
  }
}

// One read at each call (the notifier calls again while more waits), so that a caller who
// never stops sending cannot hold the window.
void SingleInstance::Answer(Caller* caller) {
  char chunk[512];
  const ssize_t n = ::recv(caller->fd, chunk, sizeof chunk, 0);
  if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
  if (n <= 0) return Drop(caller);  // hung up, or broken
  caller->line.append(chunk, n);
  for (qsizetype end; (end = caller->line.indexOf('\n')) >= 0;) {
    const QList<QByteArray> parts = caller->line.left(end).trimmed().split('\t');
    caller->line.remove(0, end + 1);
    if (parts.value(0) != "raise") continue;
    if (onRaise) onRaise(parts.value(1));
    // The answer fits in any socket's buffer, unless the caller asks and never reads.
    constexpr ssize_t kSize = sizeof kRaised - 1;
    if (::send(caller->fd, kRaised, kSize, MSG_DONTWAIT | MSG_NOSIGNAL) != kSize)
      return Drop(caller);
  }
  if (caller->line.size() > kLineBytes) Drop(caller);
}

void SingleInstance::Drop(Caller* caller) {
  caller->readable->setEnabled(false);
  caller->readable->deleteLater();  // its signal may be the one running now
  ::close(caller->fd);
  std::erase_if(callers_, [caller](const auto& c) { return c.get() == caller; });
}

void BringToFront(QWidget* window, const QByteArray& token) {
  if (window == nullptr) return;
  // On Wayland the later start's activation token lets the compositor give this window the focus.
  if (!token.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", token);
  window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace ossaric
