// The program's options: --help, --version, --data-dir DIR and --config-dir DIR. They are read
// before the window system is reached, so that --help and --version answer anywhere and a wrong
// option is told plainly.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace ossaric {

struct CommandLine {
  bool run = true;        // false: the program ends at once with `status`
  int status = 0;         // 0 after --help or --version, 2 after a wrong option
  QString output;         // what to print first: to standard output when `status` is 0, else to
                          // standard error
  std::string dataDir;    // --data-dir, byte for byte as given ("" when absent)
  std::string configDir;  // --config-dir, byte for byte as given
};

// Reads `arguments` (the program's name first), as the system handed them over: a directory
// named with bytes that are no text in the locale (0xFF, say) comes back unchanged. The
// window-system options that Qt itself takes (-platform NAME, -display NAME, -style NAME,
// -reverse, ...) are passed over.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace ossaric
