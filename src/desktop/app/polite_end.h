// SIGTERM, SIGINT and SIGHUP (a desktop logout, `kill`, Ctrl+C in a terminal) close the window
// as its close box would, so the settings are written as on any other close; whatever runs (a
// box, an animation, the computer's turn) is cut short first, as the desktop will not wait. The
// handler only writes a byte into a pipe; the window hears of it through the event loop. A second
// such signal ends the program at once, for a game that cannot close.
#pragma once

#include <functional>

class QWidget;

namespace ossaric {

// Installs the handlers; on the first signal `cutShort` runs, then `window` is closed. Call once,
// after the window is built; false when the pipe or a handler could not be set up (the signals
// then end the program as before).
bool CloseOnSignals(QWidget* window, std::function<void()> cutShort);

}  // namespace ossaric
