// The program's options: --help, --version, --data-dir DIR and --config-dir DIR. They are read
// before the window system is reached, so that --help and --version answer anywhere and a wrong
// option is told plainly.
#pragma once

#include <QString>
#include <QStringList>

namespace ossaric {

struct CommandLine {
  bool run = true;    // false: the program ends at once with `status`
  int status = 0;     // 0 after --help or --version, 2 after a wrong option
  QString output;     // what to print first: to standard output when `status` is 0, else to
                      // standard error
  QString dataDir;    // --data-dir, as given ("" when absent)
  QString configDir;  // --config-dir, as given
};

// Reads `arguments` (the program's name first). The window-system options that Qt itself takes
// (-platform NAME, -display NAME, -style NAME, -reverse, ...) are passed over.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace ossaric
