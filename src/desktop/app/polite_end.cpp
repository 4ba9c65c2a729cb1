#include "desktop/app/polite_end.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>

namespace ossaric {

namespace {

int writeEnd = -1;

extern "C" void OnSignal(int) {
  const int saved = errno;
  const char byte = 1;
  // A full pipe already holds a waiting close; the result needs no check.
  [[maybe_unused]] ssize_t n = write(writeEnd, &byte, 1);
  errno = saved;
}

}  // namespace

bool CloseOnSignals(QWidget* window, std::function<void()> cutShort) {
  int ends[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0) return false;
  writeEnd = ends[0];
  auto* notifier = new QSocketNotifier(ends[1], QSocketNotifier::Read, window);
  QObject::connect(notifier, &QSocketNotifier::activated, window,
                   [window, fd = ends[1], cutShort = std::move(cutShort)] {
                     char bytes[16];
                     while (read(fd, bytes, sizeof bytes) > 0) {
                     }
                     if (cutShort) cutShort();
                     window->close();
                   });
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  // Restarted calls, and the default action back for a second signal.
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  bool ok = true;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) ok = sigaction(signal, &action, nullptr) == 0 && ok;
  return ok;
}

}  // namespace ossaric
