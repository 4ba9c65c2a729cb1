#include "desktop/app/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>
#include <cerrno>

namespace ossaric {

namespace {

constexpr int kAnswerMs = 5000;  // how long a later start waits for the running game
constexpr int kNames = 4;        // "ossaric-HASH", then "ossaric-HASH-2" and on

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

}  // namespace

SingleInstance::SingleInstance(const std::string& key) {
  const QString dir = RuntimeDirectory();
  const QByteArray hash =
      QCryptographicHash::hash(QByteArray::fromStdString(key), QCryptographicHash::Sha1)
          .toHex()
          .left(16);
  first_ = base_ = dir + QStringLiteral("/ossaric-") + QString::fromLatin1(hash);
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Answer(socket); });
      if (socket->canReadLine()) Answer(socket);
    }
  });
}

SingleInstance::~SingleInstance() {
  server_.close();
  if (lockFd_ >= 0) ::close(lockFd_);
}

SingleInstance::Outcome SingleInstance::Claim() {
  for (int n = 1; n <= kNames; ++n) {
    base_ = n == 1 ? first_ : first_ + QStringLiteral("-%1").arg(n);
    const QByteArray lockPath = QFile::encodeName(base_ + QStringLiteral(".lock"));
    if (!MadeByAGame(lockPath, S_IFREG) || !MadeByAGame(QFile::encodeName(SocketName()), S_IFSOCK))
      continue;
    lockFd_ =
        ::open(lockPath.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    struct stat st;
    if (lockFd_ >= 0 && (::fstat(lockFd_, &st) != 0 || !S_ISREG(st.st_mode))) {
      ::close(lockFd_);
      lockFd_ = -1;
    }
    if (lockFd_ < 0) continue;
    if (::flock(lockFd_, LOCK_EX | LOCK_NB) == 0) {
      // A socket left by a run that crashed goes first.
      QLocalServer::removeServer(SocketName());
      server_.setSocketOptions(QLocalServer::UserAccessOption);
      return server_.listen(SocketName()) ? Outcome::First : Outcome::Alone;
    }
    ::close(lockFd_);
    lockFd_ = -1;
    return AskToRaise() ? Outcome::Raised : Outcome::Alone;
  }
  return Outcome::Alone;
}

// The running game may still be starting: it holds the lock before it listens.
bool SingleInstance::AskToRaise() {
  const QByteArray message = "raise\t" + qgetenv("XDG_ACTIVATION_TOKEN") + '\n';
  QDeadlineTimer deadline(kAnswerMs);
  while (!deadline.hasExpired()) {
    QLocalSocket socket;
    socket.connectToServer(SocketName());
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
      QThread::msleep(100);
      continue;
    }
    socket.write(message);
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) return false;
    while (!socket.canReadLine())
      if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return false;
    return socket.readLine().trimmed() == "raised";
  }
  return false;
}

void SingleInstance::Answer(QLocalSocket* socket) {
  while (socket->canReadLine()) {
    const QList<QByteArray> parts = socket->readLine().trimmed().split('\t');
    if (parts.value(0) != "raise") continue;
    if (onRaise) onRaise(parts.value(1));
    socket->write("raised\n");
    socket->flush();
  }
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
