// SIGTERM, SIGINT and SIGHUP (a desktop logout, `kill`, Ctrl+C in a terminal) close the window
// as its close box would, so the settings are written as on any other close. The handler only
// writes a byte into a pipe; the window hears of it through the event loop. A second such signal
// ends the program at once, for a game that cannot close.
#pragma once

class QWidget;

namespace ossaric {

// Installs the handlers; `window` is closed on the first signal. Call once, after the window is
// built; false when the pipe or a handler could not be set up (the signals then end the program
// as before).
bool CloseOnSignals(QWidget* window);

}  // namespace ossaric
